# The release tests: Python on the Linux side, starting this build's programs under Wine. They check the
# tree scripts/publish makes, the installer, and the whole update round trip. Included from
# installer/installer.cmake, once the installer target exists.
find_program(RELEASE_PYTHON NAMES python3 REQUIRED)
set(release_tests_dir "${CMAKE_CURRENT_LIST_DIR}")
set(release_environment
  "RELEASE_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
  "RELEASE_BUILD_DIR=${CMAKE_BINARY_DIR}"
  "RELEASE_WINE_RUN=${CMAKE_BINARY_DIR}/wine-run"
  "RELEASE_VERSION=${PROJECT_VERSION}"
  "RELEASE_INSTALLER=${THERMIVO_INSTALLER}"
  "RELEASE_DIST32_DIR=${VANTIX_DIST32_DIR}"
  # No byte-code caches in the source tree.
  "PYTHONDONTWRITEBYTECODE=1")

# release_test(NAME MODULE.CLASS.METHOD [WINE]): WINE marks a test that runs Thermivo or the installer.
# Those run alone: Thermivo is a single instance, stops every Probexa.exe and is found by its window
# property, and the installer ends any Thermivo.exe.
function(release_test name id)
  add_test(NAME release.${name} COMMAND "${RELEASE_PYTHON}" "${release_tests_dir}/release_test.py" ${id})
  set_tests_properties(release.${name} PROPERTIES ENVIRONMENT "${release_environment}"
    SKIP_RETURN_CODE 77 TIMEOUT 300)
  if(ARGN STREQUAL "WINE")
    set_tests_properties(release.${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()

release_test(Publish.TreeHoldsVersionFilesAndPackages
  test_publish.PublishTest.test_tree_holds_version_files_and_packages)
release_test(Publish.VersionDefaultsToTheProjectVersion
  test_publish.PublishTest.test_version_defaults_to_the_project_version)
release_test(Publish.ANewerReleaseReplacesTheVersionFile
  test_publish.PublishTest.test_a_newer_release_replaces_the_version_file)
release_test(Publish.RefusesWhatTheApplicationWouldNotTake
  test_publish.PublishTest.test_refuses_what_the_application_would_not_take)
release_test(Installer.HoldsEveryFileOfDistAndAsksForAdministratorRights
  test_installer.InstallerContentsTest.test_holds_every_file_of_dist_and_asks_for_administrator_rights)
release_test(Installer.SilentInstallIntoProgramFilesStartsAndUninstalls
  test_installer.InstallerRunTest.test_silent_install_into_program_files_starts_and_uninstalls WINE)
release_test(Installer.StopsARunningCopyAndKeepsTheUsersServer
  test_installer.InstallerRunTest.test_stops_a_running_copy_and_keeps_the_user_s_server WINE)
release_test(RoundTrip.YesDownloadsUnpacksAndStartsThePackageProgram
  test_round_trip.RoundTripTest.test_yes_downloads_unpacks_and_starts_the_package_program WINE)
release_test(RoundTrip.TheRunningVersionIsTheProjectVersion
  test_round_trip.RoundTripTest.test_the_running_version_is_the_project_version WINE)
release_test(RoundTrip.NoDownloadsNothingAndKeepsRunning
  test_round_trip.RoundTripTest.test_no_downloads_nothing_and_keeps_running WINE)
release_test(RoundTrip.TruncatedPackageLaunchesNothingAndKeepsRunning
  test_round_trip.RoundTripTest.test_truncated_package_launches_nothing_and_keeps_running WINE)
release_test(RoundTrip.CorruptedPackageLaunchesNothingAndKeepsRunning
  test_round_trip.RoundTripTest.test_corrupted_package_launches_nothing_and_keeps_running WINE)
