# The fault-injection tests drive the relay against the display emulator (bin/hidapi.dll) and share the
# relay tests' helpers for the emulator's controls and the server's side of the shared record.
add_dependencies(test_${name} hidemu)
target_sources(test_${name} PRIVATE
  "${CMAKE_CURRENT_SOURCE_DIR}/app/relay/HidEmulatorControl.cpp"
  "${CMAKE_CURRENT_SOURCE_DIR}/app/relay/RecordWriter.cpp"
  "${CMAKE_CURRENT_SOURCE_DIR}/app/relay/TestRecordName.cpp")
target_include_directories(test_${name} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/app/relay")

# The package-damage tests build their archives with the maintenance tests' zip fixture.
target_sources(test_${name} PRIVATE
  "${CMAKE_CURRENT_SOURCE_DIR}/app/maintenance/TempFolder.cpp"
  "${CMAKE_CURRENT_SOURCE_DIR}/app/maintenance/ZipFixture.cpp")
target_include_directories(test_${name} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/app/maintenance")

# A two-minute soak of Thermivo.exe with the stand-ins (scripts/soak). Thermivo's mutex, registry key and
# the server's process name are one per session, so it runs alone, like the end-to-end tests.
add_dependencies(test_${name} Thermivo probexa thermivoctl)
add_test(NAME reliability.Soak.TwoMinutes
  COMMAND bash "${CMAKE_SOURCE_DIR}/scripts/soak" --minutes 2 --build-dir "${CMAKE_BINARY_DIR}" --no-build)
set_tests_properties(reliability.Soak.TwoMinutes PROPERTIES TIMEOUT 300 LABELS soak RUN_SERIAL TRUE)
