# Third-party code, built with the cross compiler from Debian's packages (never committed).
set(HIDAPI_SRC "${VANTIX_SOURCE_CACHE}/hidapi")
set(MINIZIP_SRC "${VANTIX_SOURCE_CACHE}/minizip")
foreach(required "${HIDAPI_SRC}/windows/hid.c" "${MINIZIP_SRC}/unzip.c")
  if(NOT EXISTS "${required}")
    message(FATAL_ERROR "${required} is missing: run scripts/setup (it fetches Debian's source packages)")
  endif()
endforeach()

# hidapi.dll: shipped beside the executable.
add_library(hidapi SHARED "${HIDAPI_SRC}/windows/hid.c")
target_include_directories(hidapi PUBLIC "${HIDAPI_SRC}/hidapi")
target_link_libraries(hidapi PRIVATE setupapi)
set_target_properties(hidapi PROPERTIES PREFIX "" OUTPUT_NAME hidapi
  RUNTIME_OUTPUT_DIRECTORY "${VANTIX_DIST_DIR}")

# The headers of hidapi alone, for code that links the display emulator instead.
add_library(hidapi_headers INTERFACE)
target_include_directories(hidapi_headers INTERFACE "${HIDAPI_SRC}/hidapi")

# zlib from libz-mingw-w64-dev.
find_library(ZLIB_STATIC NAMES libz.a z REQUIRED)
find_path(ZLIB_INCLUDE zlib.h REQUIRED)
add_library(zlib_static INTERFACE)
target_link_libraries(zlib_static INTERFACE "${ZLIB_STATIC}")
target_include_directories(zlib_static INTERFACE "${ZLIB_INCLUDE}")

# minizip's zip reader.
add_library(minizip STATIC "${MINIZIP_SRC}/unzip.c" "${MINIZIP_SRC}/ioapi.c" "${MINIZIP_SRC}/iowin32.c")
target_include_directories(minizip PUBLIC "${MINIZIP_SRC}")
target_compile_definitions(minizip PRIVATE NOCRYPT)
target_link_libraries(minizip PUBLIC zlib_static)

# GoogleTest from the sources Debian's googletest package ships.
set(GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory("${GTEST_SRC}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
