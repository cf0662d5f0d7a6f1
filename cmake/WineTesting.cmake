# Test executables run under Wine, in a prefix that lives in the build tree.
set(VANTIX_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix used by the tests")
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(VANTIX_WINE /usr/lib/wine/wine64)
  set(VANTIX_WINEARCH win64)
else()
  set(VANTIX_WINE wine)
  set(VANTIX_WINEARCH win32)
endif()
configure_file("${CMAKE_SOURCE_DIR}/cmake/wine-run.in" "${CMAKE_BINARY_DIR}/wine-run" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_BINARY_DIR}/wine-run")

enable_testing()
include(GoogleTest)
