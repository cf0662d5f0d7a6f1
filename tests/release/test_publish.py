"""scripts/publish: the update server's tree, and the versions it refuses because the application would
not take them."""

import os
import subprocess
import unittest
import zipfile

from release_config import ReleaseConfig

MSDOS_HOST = 0
ARCHIVE_ATTRIBUTE = 0x20


class PublishTest(unittest.TestCase):
    def setUp(self):
        self.config = ReleaseConfig()
        self.work = self.config.work_folder(self.id().split(".")[-1])
        self.tree = os.path.join(self.work, "tree")

    def publish(self, *args):
        return subprocess.run([self.config.publish, *args, self.tree], stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, text=True, timeout=60)

    def read(self, relative_path, mode="r"):
        with open(os.path.join(self.tree, relative_path), mode) as f:
            return f.read()

    def check_package(self, relative_path, entry_name, program):
        with zipfile.ZipFile(os.path.join(self.tree, relative_path)) as package:
            entries = package.infolist()
            self.assertEqual([entry_name], [entry.filename for entry in entries])
            self.assertIsNone(package.testzip())
            with open(program, "rb") as f:
                self.assertEqual(f.read(), package.read(entry_name))
            # Unpacked on Windows, the program is a plain writable file that the next update can replace.
            self.assertEqual(MSDOS_HOST, entries[0].create_system)
            self.assertEqual(ARCHIVE_ATTRIBUTE, entries[0].external_attr)

    def published_files(self):
        found = []
        for folder, _, names in os.walk(self.tree):
            found += [os.path.relpath(os.path.join(folder, name), self.tree) for name in names]
        return sorted(found)

    def test_tree_holds_version_files_and_packages(self):
        result = self.publish("--version", "1.0.0.3", "--software", self.config.marker,
                              "--firmware", self.config.driver, "106")
        self.assertEqual(0, result.returncode, result.stderr)
        self.assertEqual(["zentra/Z7/firmware/FirmwareUpdateTool-106.zip", "zentra/Z7/firmware/version",
                          "zentra/Z7/software/Software-1.0.0.3.zip", "zentra/Z7/software/version"],
                         self.published_files())
        # The application takes the whole body as the version: no line break.
        self.assertEqual(b"1.0.0.3", self.read("zentra/Z7/software/version", "rb"))
        self.assertEqual(b"106", self.read("zentra/Z7/firmware/version", "rb"))
        self.check_package("zentra/Z7/software/Software-1.0.0.3.zip", "Software-1.0.0.3.exe",
                           self.config.marker)
        self.check_package("zentra/Z7/firmware/FirmwareUpdateTool-106.zip", "FirmwareUpdateTool-106.exe",
                           self.config.driver)

    def test_version_defaults_to_the_project_version(self):
        result = self.publish("--software", self.config.marker)
        self.assertEqual(0, result.returncode, result.stderr)
        self.assertEqual(self.config.version, self.read("zentra/Z7/software/version"))
        self.check_package(f"zentra/Z7/software/Software-{self.config.version}.zip",
                           f"Software-{self.config.version}.exe", self.config.marker)

    def test_a_newer_release_replaces_the_version_file(self):
        for version in ("1.0.0.3", "1.0.0.10"):
            result = self.publish("--version", version, "--software", self.config.marker)
            self.assertEqual(0, result.returncode, result.stderr)
        self.assertEqual("1.0.0.10", self.read("zentra/Z7/software/version"))
        self.assertTrue(os.path.isfile(os.path.join(self.tree, "zentra/Z7/software/Software-1.0.0.10.zip")))

    def test_refuses_what_the_application_would_not_take(self):
        marker = self.config.marker
        missing = os.path.join(self.work, "missing.exe")
        cases = [
            ("software version with a suffix", ["--version", "1.0.0.2-beta", "--software", marker]),
            ("software version of 11 characters", ["--version", "1.0.0.10000", "--software", marker]),
            ("empty software version", ["--version", "", "--software", marker]),
            ("software version with a line break", ["--version", "1.0.0.3\n", "--software", marker]),
            ("firmware number with a hexadecimal letter",
             ["--version", "1.0.0.3", "--software", marker, "--firmware", marker, "10a"]),
            ("missing program", ["--version", "1.0.0.3", "--software", missing]),
            # Nothing at all is published when the firmware tool is missing, not even the software.
            ("missing firmware tool",
             ["--version", "1.0.0.3", "--software", marker, "--firmware", missing, "106"]),
        ]
        for what, args in cases:
            with self.subTest(what):
                result = self.publish(*args)
                self.assertNotEqual(0, result.returncode)
                self.assertIn("publish:", result.stderr)
                self.assertEqual([], self.published_files())
