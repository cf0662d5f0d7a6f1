# The end-to-end tests run bin/Thermivo.exe with the stand-ins beside it (the display emulator as
# hidapi.dll, the server simulator in HardwareMonitor\). Thermivo owns names that are one per session (its
# mutex, its registry key, the server's process name, which it ends at start and at shutdown), so these
# tests run alone: nothing else may start a Probexa.exe meanwhile.
add_dependencies(test_${name} Thermivo hidemu probexa)
target_sources(test_${name} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/app/maintenance/TempFolder.cpp")
target_include_directories(test_${name} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/app/maintenance")
set(e2e_serial "${CMAKE_CURRENT_BINARY_DIR}/test_${name}_serial.cmake")
file(WRITE "${e2e_serial}" "set_tests_properties(\${test_${name}_TESTS} PROPERTIES RUN_SERIAL TRUE)\n")
# After the discovery script that gtest_discover_tests adds below, which sets the list.
cmake_language(DEFER CALL set_property DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${e2e_serial}")
