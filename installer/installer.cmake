# The installer target: Software-<version>.exe, Debian's makensis packing what dist/ holds. The installer
# takes its platform from the build (an x86 installer for the 32-bit deliverables; an amd64 one for a
# 64-bit test build, which 64-bit Wine can run) and its version from the project.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  message(STATUS "makensis not found: no installer target (Debian package nsis)")
  return()
endif()

set(THERMIVO_INSTALLER "${CMAKE_BINARY_DIR}/Software-${PROJECT_VERSION}.exe")
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(NSIS_TARGET amd64-unicode)
  set(NSIS_PROGRAM_FILES "$PROGRAMFILES64")
else()
  set(NSIS_TARGET x86-unicode)
  set(NSIS_PROGRAM_FILES "$PROGRAMFILES")
endif()
# The installer's own version resource wants all four numbers.
set(INSTALLER_VERSION_QUAD "")
foreach(part MAJOR MINOR PATCH TWEAK)
  set(number "${PROJECT_VERSION_${part}}")
  if(number STREQUAL "")
    set(number 0)
  endif()
  list(APPEND INSTALLER_VERSION_QUAD "${number}")
endforeach()
list(JOIN INSTALLER_VERSION_QUAD "." INSTALLER_VERSION_QUAD)

set(installer_dir "${CMAKE_BINARY_DIR}/installer")
set(INSTALLER_FILES "${installer_dir}/InstallerFiles.nsh")
set(INSTALLER_OUTPUT "${THERMIVO_INSTALLER}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/Thermivo.nsi.in" "${installer_dir}/Thermivo.nsi" @ONLY)

add_custom_target(installer ALL
  COMMAND "${CMAKE_COMMAND}" -DMAKENSIS=${MAKENSIS} -DDIST_DIR=${VANTIX_DIST_DIR}
    -DNSIS_SCRIPT=${installer_dir}/Thermivo.nsi -DFILES_NSH=${INSTALLER_FILES} -DOUTPUT=${THERMIVO_INSTALLER}
    -P "${CMAKE_CURRENT_LIST_DIR}/MakeInstaller.cmake"
  COMMENT "Installer Software-${PROJECT_VERSION}.exe from ${VANTIX_DIST_DIR}"
  VERBATIM)
# Everything that lands in dist/.
foreach(part Thermivo Vantix hidapi thermivo_artwork)
  if(TARGET ${part})
    add_dependencies(installer ${part})
  endif()
endforeach()

if(VANTIX_TESTS)
  include("${CMAKE_SOURCE_DIR}/tests/release/tests.cmake")
endif()
