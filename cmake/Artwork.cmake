# Renders the artwork from its SVG sources at build time and configures the
# resource scripts. Include after project(); it defines
#   vantix_artwork    target: PNG 101/102 and the font copy in generated/toolkit
#   VANTIX_RC, VANTIX_RC_INCLUDE, VANTIX_RC_DEPENDS
#   thermivo_artwork  target: the application icons in generated/app and the
#                     skin files in dist/skins/theme1
#   THERMIVO_RC, THERMIVO_RC_INCLUDE, THERMIVO_RC_DEPENDS
#   THERMIVO_SKIN_DIR, THERMIVO_SKIN_FILES
# windres reports no dependencies of its own: give each script its *_RC_DEPENDS
# list as OBJECT_DEPENDS where the target is made, so that a re-rendered image
# recompiles the script.

function(_artwork_require_tools)
  # Host tools: never looked up in the cross toolchain's sysroot.
  find_program(RSVG_CONVERT rsvg-convert NO_CMAKE_FIND_ROOT_PATH)
  if(NOT RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert not found; install librsvg2-bin (scripts/setup does)")
  endif()
  find_program(ICOTOOL icotool NO_CMAKE_FIND_ROOT_PATH)
  if(NOT ICOTOOL)
    message(FATAL_ERROR "icotool not found; install icoutils (scripts/setup does)")
  endif()
  find_file(VANTIX_FONT_FILE OpenSans-Semibold.ttf
    PATHS /usr/share/fonts/truetype/open-sans
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT VANTIX_FONT_FILE)
    message(FATAL_ERROR "OpenSans-Semibold.ttf not found; install fonts-open-sans (scripts/setup does)")
  endif()
endfunction()

# The manifests name the x86 processor architecture; a 64-bit build (the tests
# on hosts without 32-bit Wine) gets amd64 instead, or the loader would look
# for 32-bit common controls. The copy lands in the generated folder, which
# windres searches before the script's own folder.
function(_artwork_manifest src dst)
  file(READ ${src} text)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    string(REPLACE "processorArchitecture=\"x86\"" "processorArchitecture=\"amd64\"" text "${text}")
  endif()
  set(old "")
  if(EXISTS ${dst})
    file(READ ${dst} old)
  endif()
  if(NOT "${text}" STREQUAL "${old}")
    file(WRITE ${dst} "${text}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src})
endfunction()

# _artwork_render(<png> <svg> [SIZE <pixels>] [STYLESHEET <css>])
function(_artwork_render png svg)
  cmake_parse_arguments(ARG "" "SIZE;STYLESHEET" "" ${ARGN})
  set(options)
  set(depends ${svg})
  if(ARG_SIZE)
    list(APPEND options -w ${ARG_SIZE} -h ${ARG_SIZE})
  endif()
  if(ARG_STYLESHEET)
    list(APPEND options -s ${ARG_STYLESHEET})
    list(APPEND depends ${ARG_STYLESHEET})
  endif()
  get_filename_component(dir ${png} DIRECTORY)
  get_filename_component(name ${png} NAME)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${RSVG_CONVERT} ${options} -o ${png} ${svg}
    DEPENDS ${depends}
    COMMENT "Rendering ${name}"
    VERBATIM)
endfunction()

# _artwork_icon(<ico> <png>...): PNGs up to 48 pixels become classic entries,
# a 256-pixel PNG is stored as a compressed entry.
function(_artwork_icon ico)
  set(inputs)
  foreach(png IN LISTS ARGN)
    if(png MATCHES "_256\\.png$")
      list(APPEND inputs -r ${png})
    else()
      list(APPEND inputs ${png})
    endif()
  endforeach()
  get_filename_component(name ${ico} NAME)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${ICOTOOL} -c -o ${ico} ${inputs}
    DEPENDS ${ARGN}
    COMMENT "Assembling ${name}"
    VERBATIM)
endfunction()

function(_artwork_toolkit root)
  set(res ${root}/toolkit/res)
  set(out ${CMAKE_BINARY_DIR}/generated/toolkit)
  file(MAKE_DIRECTORY ${out})
  _artwork_render(${out}/scroll_horizontal.png ${res}/scroll_horizontal.svg)
  _artwork_render(${out}/scroll_vertical.png ${res}/scroll_vertical.svg)
  add_custom_command(OUTPUT ${out}/OpenSans-Semibold.ttf
    COMMAND ${CMAKE_COMMAND} -E copy ${VANTIX_FONT_FILE} ${out}/OpenSans-Semibold.ttf
    DEPENDS ${VANTIX_FONT_FILE}
    COMMENT "Copying OpenSans-Semibold.ttf"
    VERBATIM)
  _artwork_manifest(${res}/Vantix.manifest ${out}/Vantix.manifest)
  set(files ${out}/scroll_horizontal.png ${out}/scroll_vertical.png
    ${out}/OpenSans-Semibold.ttf ${out}/Vantix.manifest)
  add_custom_target(vantix_artwork ALL DEPENDS ${files})
  set(VANTIX_RC ${res}/Vantix.rc PARENT_SCOPE)
  set(VANTIX_RC_INCLUDE ${out} PARENT_SCOPE)
  set(VANTIX_RC_DEPENDS ${files} PARENT_SCOPE)
endfunction()

# The four numbers of the VERSIONINFO resource; a version without a tweak
# (or patch) number gets 0 there.
function(_artwork_configure_rc res out)
  if(NOT PROJECT_VERSION)
    message(FATAL_ERROR "Artwork.cmake: project() needs a VERSION for the VERSIONINFO resource")
  endif()
  foreach(part MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
      set(PROJECT_VERSION_${part} 0)
    endif()
  endforeach()
  configure_file(${res}/Thermivo.rc.in ${out}/Thermivo.rc @ONLY)
  _artwork_manifest(${res}/Thermivo.manifest ${out}/Thermivo.manifest)
endfunction()

function(_artwork_app root)
  set(res ${root}/app/res)
  set(out ${CMAKE_BINARY_DIR}/generated/app)
  file(MAKE_DIRECTORY ${out})
  _artwork_render(${out}/app_icon_16.png ${res}/app_icon_16.svg)
  foreach(size 32 48 256)
    _artwork_render(${out}/app_icon_${size}.png ${res}/app_icon.svg SIZE ${size})
  endforeach()
  _artwork_icon(${out}/app_main.ico ${out}/app_icon_16.png ${out}/app_icon_32.png
    ${out}/app_icon_48.png ${out}/app_icon_256.png)
  _artwork_icon(${out}/app_small.ico ${out}/app_icon_16.png ${out}/app_icon_32.png)
  _artwork_configure_rc(${res} ${out})
  set(THERMIVO_RC ${out}/Thermivo.rc PARENT_SCOPE)
  set(THERMIVO_RC_INCLUDE ${out} PARENT_SCOPE)
  set(THERMIVO_RC_DEPENDS ${out}/app_main.ico ${out}/app_small.ico ${out}/Thermivo.manifest
    PARENT_SCOPE)
endfunction()

function(_artwork_skin root)
  set(src ${root}/skins/theme1)
  set(work ${CMAKE_BINARY_DIR}/generated/skins/theme1)
  set(out ${CMAKE_BINARY_DIR}/dist/skins/theme1)
  file(MAKE_DIRECTORY ${work} ${out})
  _artwork_render(${out}/img_cpu_bkg5.png ${src}/img_cpu_bkg.svg
    STYLESHEET ${src}/unit_celsius.css)
  _artwork_render(${out}/img_cpu_bkg6.png ${src}/img_cpu_bkg.svg
    STYLESHEET ${src}/unit_fahrenheit.css)
  _artwork_render(${out}/img_btn_close.png ${src}/img_btn_close.svg)
  _artwork_render(${out}/img_button.png ${src}/img_button.svg)
  # The host's balloon tip (the toolkit loads these on its first balloon; the application shows none).
  set(tip_images img_tip_bk img_tip_arrow_left img_tip_arrow_right img_tip_arrow_top)
  set(tip_pngs "")
  foreach(image ${tip_images})
    _artwork_render(${out}/${image}.png ${src}/${image}.svg)
    list(APPEND tip_pngs ${out}/${image}.png)
  endforeach()
  _artwork_render(${work}/tray_icon_16.png ${src}/tray_icon_16.svg)
  foreach(size 32 48)
    _artwork_render(${work}/tray_icon_${size}.png ${src}/tray_icon.svg SIZE ${size})
  endforeach()
  _artwork_icon(${out}/Thermivo.ico ${work}/tray_icon_16.png ${work}/tray_icon_32.png
    ${work}/tray_icon_48.png)
  set(THERMIVO_SKIN_DIR ${out} PARENT_SCOPE)
  set(THERMIVO_SKIN_FILES ${out}/img_cpu_bkg5.png ${out}/img_cpu_bkg6.png
    ${out}/img_btn_close.png ${out}/img_button.png ${tip_pngs} ${out}/Thermivo.ico PARENT_SCOPE)
endfunction()

function(_artwork_setup)
  get_filename_component(root ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/.. ABSOLUTE)
  _artwork_require_tools()
  _artwork_toolkit(${root})
  _artwork_app(${root})
  _artwork_skin(${root})
  add_custom_target(thermivo_artwork ALL DEPENDS ${THERMIVO_RC_DEPENDS} ${THERMIVO_SKIN_FILES})
  foreach(var VANTIX_RC VANTIX_RC_INCLUDE VANTIX_RC_DEPENDS THERMIVO_RC THERMIVO_RC_INCLUDE
      THERMIVO_RC_DEPENDS THERMIVO_SKIN_DIR THERMIVO_SKIN_FILES)
    set(${var} "${${var}}" PARENT_SCOPE)
  endforeach()
endfunction()

_artwork_setup()
