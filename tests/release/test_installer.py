"""The installer, Software-<version>.exe: what it holds (read with 7z, for the 32-bit deliverables too),
and, run silently under Wine, what it installs, that the installed program starts, that a running copy
is stopped before its files are replaced, and what the uninstaller removes."""

import filecmp
import os
import re
import shutil
import subprocess
import unittest

from release_config import ReleaseConfig, dist_files
from wine import Wine, wait_until

INSTALL_TIMEOUT = 180
UNINSTALL_TIMEOUT = 60
START_TIMEOUT_MS = "30000"
END_TIMEOUT = 60
CLOSED_NORMALLY = 1  # Thermivo's exit code after its main window closed
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Thermivo"
SETTINGS_KEY = r"HKLM\Software\Thermivo"
# Nothing answers there: the installed program's update checks fail at once.
DEAD_UPDATE_SERVER = "http://127.0.0.1:9"
ADMIN_MANIFEST = re.compile(rb'<requestedExecutionLevel\s+level="requireAdministrator"')
# Written by the installer itself, not taken from dist/.
INSTALLER_OWN_FILES = ["Uninstall.exe"]


class InstallerContentsTest(unittest.TestCase):
    def setUp(self):
        if not shutil.which("7z"):
            self.skipTest("7z (Debian package p7zip-full) is not installed: the installer cannot be read")
        self.config = ReleaseConfig()
        self.work = self.config.work_folder(self.id().split(".")[-1])

    def installers(self):
        """(installer, its dist folder, the image format objdump must report or None)."""
        found = [(self.config.installer, self.config.dist_dir, None)]
        if self.config.dist32_dir:
            build32 = os.path.dirname(self.config.dist32_dir)
            installer32 = os.path.join(build32, os.path.basename(self.config.installer))
            found.append((installer32, self.config.dist32_dir, "pei-i386"))
        return found

    def product_version(self, program):
        """The ProductVersion of a program's version resource, which 7z renders as text."""
        folder = os.path.join(self.work, "resources")
        subprocess.run(["7z", "x", "-y", "-o" + folder, program, ".rsrc/version.txt"], check=True,
                       stdout=subprocess.DEVNULL, timeout=60)
        with open(os.path.join(folder, ".rsrc", "version.txt"), "rb") as f:
            text = f.read().decode("utf-16-le", "replace")
        found = re.search(r'VALUE "ProductVersion",\s*"([^"]*)"', text)
        return found.group(1) if found else None

    def test_holds_every_file_of_dist_and_asks_for_administrator_rights(self):
        for installer, dist, image_format in self.installers():
            with self.subTest(installer):
                self.assertTrue(os.path.isfile(installer), f"{installer} was not built")
                unpacked = os.path.join(self.work, os.path.basename(os.path.dirname(dist)))
                subprocess.run(["7z", "x", "-y", "-o" + unpacked, "-x!$PLUGINSDIR", installer], check=True,
                               stdout=subprocess.DEVNULL, timeout=120)
                shipped = [f for f in dist_files(unpacked) if f not in INSTALLER_OWN_FILES]
                self.assertEqual(dist_files(dist), shipped)
                for name in shipped:
                    same = filecmp.cmp(os.path.join(dist, name), os.path.join(unpacked, name), shallow=False)
                    self.assertTrue(same, name)
                # The hardware-monitor server is not ours to ship.
                self.assertFalse([f for f in shipped if "probexa" in f.lower()])
                with open(installer, "rb") as f:
                    self.assertRegex(f.read(), ADMIN_MANIFEST)
                program = os.path.join(unpacked, "Thermivo.exe")
                self.assertEqual(self.config.version, self.product_version(program))
                if image_format:
                    header = subprocess.run(["i686-w64-mingw32-objdump", "-f", installer], check=True,
                                            stdout=subprocess.PIPE, text=True).stdout
                    self.assertIn("file format " + image_format, header)


class InstallerRunTest(unittest.TestCase):
    def setUp(self):
        if not os.environ.get("DISPLAY"):
            self.fail("no DISPLAY: the installed program needs the X server that scripts/test starts")
        self.config = ReleaseConfig()
        self.wine = Wine(self.config)
        self.work = self.config.work_folder(self.id().split(".")[-1])
        self.menu_folder = self.wine.linux_path(
            self.wine.expand("%ProgramData%") + r"\Microsoft\Windows\Start Menu\Programs\Thermivo")
        self.app = None
        self.forget_installation()
        self.addCleanup(self.forget_installation)

    def tearDown(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()

    def forget_installation(self):
        for folder in (self.default_folder(), self.chosen_folder()[1], self.menu_folder):
            shutil.rmtree(folder, ignore_errors=True)
        for key in (UNINSTALL_KEY, SETTINGS_KEY):
            self.wine.delete_registry_key(key)

    def default_folder(self):
        return self.wine.linux_path(self.wine.expand("%ProgramFiles%") + r"\Thermivo")

    def chosen_folder(self):
        # Without spaces: NSIS takes /D= unquoted, as the last argument.
        windows = r"C:\Tools\ThermivoChosen"
        return windows, self.wine.linux_path(windows)

    def install(self, *args):
        result = self.wine.run(self.config.installer, "/S", *args, timeout=INSTALL_TIMEOUT)
        self.assertEqual(0, result.returncode, result.stdout)

    def uninstall(self, folder):
        self.wine.run(os.path.join(folder, "Uninstall.exe"), "/S", timeout=INSTALL_TIMEOUT)
        # The uninstaller goes on from a copy of itself in the temporary folder; its last step is the key.
        gone = wait_until(lambda: not os.path.exists(os.path.join(folder, "Uninstall.exe"))
                          and not self.wine.registry_key_exists(UNINSTALL_KEY), UNINSTALL_TIMEOUT, 0.5)
        self.assertTrue(gone, "the uninstaller did not finish")

    def check_installed(self, folder, user_files=()):
        self.assertEqual(sorted(dist_files(self.config.dist_dir) + INSTALLER_OWN_FILES + list(user_files)),
                         dist_files(folder))
        for name in dist_files(self.config.dist_dir):
            self.assertTrue(filecmp.cmp(os.path.join(self.config.dist_dir, name), os.path.join(folder, name),
                                        False), name)
        self.assertEqual(["Thermivo.lnk", "Uninstall Thermivo.lnk"], sorted(os.listdir(self.menu_folder)))
        listed = self.wine.run("reg", "query", UNINSTALL_KEY).stdout
        self.assertRegex(listed, r"DisplayVersion\s+REG_SZ\s+" + re.escape(self.config.version))
        self.assertRegex(listed, r"QuietUninstallString\s+REG_SZ\s+.*Uninstall\.exe\" /S")

    def start_installed(self, folder):
        self.app = self.wine.start(os.path.join(folder, "Thermivo.exe"),
                                   env={"THERMIVO_UPDATE_URL": DEAD_UPDATE_SERVER},
                                   log_path=os.path.join(self.work, "thermivo.log"))
        self.assertEqual(0, self.wine.driver("wait-main", START_TIMEOUT_MS).returncode,
                         "the installed Thermivo did not show its window")

    def check_uninstalled(self, folder, kept):
        self.assertEqual(kept, dist_files(folder) if os.path.isdir(folder) else [])
        self.assertFalse(os.path.exists(self.menu_folder))
        self.assertFalse(self.wine.registry_key_exists(SETTINGS_KEY))

    def test_silent_install_into_program_files_starts_and_uninstalls(self):
        self.install()
        folder = self.default_folder()
        self.check_installed(folder)
        self.start_installed(folder)
        self.assertEqual(0, self.wine.driver("close", "20000").returncode)
        self.assertEqual(CLOSED_NORMALLY, self.app.wait(timeout=END_TIMEOUT))

        self.uninstall(folder)
        self.check_uninstalled(folder, [])

    def test_stops_a_running_copy_and_keeps_the_user_s_server(self):
        windows_folder, folder = self.chosen_folder()
        self.install("/D=" + windows_folder)
        # An older copy: the loader ignores data behind the image, so it runs, holding these files.
        for name in ("Thermivo.exe", "Vantix.dll"):
            with open(os.path.join(folder, name), "ab") as f:
                f.write(b"an older build")
        # The server program the user puts beside the executable.
        server = "HardwareMonitor/Probexa.exe"
        os.makedirs(os.path.join(folder, "HardwareMonitor"))
        shutil.copy(self.config.marker, os.path.join(folder, server))
        self.start_installed(folder)

        self.install("/D=" + windows_folder)
        # Closed like at a normal end, then replaced.
        self.assertEqual(CLOSED_NORMALLY, self.app.wait(timeout=END_TIMEOUT))
        self.check_installed(folder, [server])

        self.uninstall(folder)
        self.check_uninstalled(folder, [server])
