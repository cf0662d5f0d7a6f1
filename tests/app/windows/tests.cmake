# The window tests run the display emulator (bin/hidapi.dll) and reuse the relay tests' record writer and
# emulator control and the maintenance tests' loopback update server.
set(app_tests "${CMAKE_CURRENT_SOURCE_DIR}/app")
target_sources(test_${name} PRIVATE
  "${app_tests}/relay/HidEmulatorControl.cpp"
  "${app_tests}/relay/RecordWriter.cpp"
  "${app_tests}/maintenance/LoopbackUpdateServer.cpp"
  "${app_tests}/maintenance/TempFolder.cpp")
target_include_directories(test_${name} PRIVATE "${app_tests}/relay" "${app_tests}/maintenance")
include("${app_tests}/maintenance/tests.cmake")
add_dependencies(test_${name} hidemu)
