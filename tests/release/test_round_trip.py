"""The whole update loop: Thermivo of this build against a loopback server that serves a tree made by
scripts/publish for the next version, with Marker.exe as the package's program. The user's answers are
real pointer clicks on the display (xdotool)."""

import os
import re
import subprocess
import unittest

from release_config import ReleaseConfig
from update_server import UpdateServer
from wine import Wine, wait_until

SOFTWARE_VERSION_PATH = "/zentra/Z7/software/version"
START_TIMEOUT_MS = "30000"
BOX_TIMEOUT_MS = "30000"
REQUEST_TIMEOUT = 30
END_TIMEOUT = 60
CLOSED_NORMALLY = 1  # Thermivo's exit code after its main window closed
ENDED_FOR_UPDATE = 0  # after it started the update's program


def click(point):
    """A real left click at a screen point, through the X server that Wine draws on."""
    x, y = point.split()
    # From elsewhere first, so the pointer moves onto the button as a user's would.
    subprocess.run(["xdotool", "mousemove", "0", "0", "mousemove", x, y, "sleep", "0.2", "click", "1"],
                   check=True, timeout=30)


def same_windows_path(a, b):
    collapse = lambda path: re.sub(r"\\+", r"\\", path).lower()
    return collapse(a) == collapse(b)


class RoundTripTest(unittest.TestCase):
    def setUp(self):
        if not os.environ.get("DISPLAY"):
            self.fail("no DISPLAY: the round trip needs the X server that scripts/test starts")
        self.config = ReleaseConfig()
        self.wine = Wine(self.config)
        self.work = self.config.work_folder(self.id().split(".")[-1])
        self.server = UpdateServer(self.config, self.work)
        self.addCleanup(self.server.stop)
        self.offered = self.config.next_version()
        self.package_name = f"Software-{self.offered}.zip"
        self.program_name = f"Software-{self.offered}.exe"
        self.package_request = f"/zentra/Z7/software///{self.package_name}"
        self.package_folder = self.wine.expand("%LOCALAPPDATA%") + "\\TEMP Files\\temp\\"
        self.linux_package_folder = self.wine.linux_path(self.package_folder)
        for name in (self.package_name, self.program_name):
            self.remove_from_package_folder(name)
        self.marker_record = os.path.join(self.work, "marker.txt")
        self.app = None

    def tearDown(self):
        if self.app and self.app.poll() is None:
            self.wine.driver("close", "10000")
            if self.app.poll() is None:
                self.app.kill()
                self.app.wait()

    def remove_from_package_folder(self, name):
        path = os.path.join(self.linux_package_folder, name)
        if os.path.exists(path):
            os.chmod(path, 0o644)
            os.remove(path)

    def start_thermivo(self):
        """Starts Thermivo against the server while the server offers nothing, and waits until its
        automatic software check has asked."""
        env = {"THERMIVO_UPDATE_URL": self.server.url,
               "THERMIVO_MARKER_FILE": Wine.windows_path(self.marker_record)}
        self.app = self.wine.start(os.path.join(self.config.dist_dir, "Thermivo.exe"), env=env,
                                   log_path=os.path.join(self.work, "thermivo.log"))
        self.assertEqual(0, self.wine.driver("wait-main", START_TIMEOUT_MS).returncode,
                         "Thermivo's main window did not appear")
        self.assertTrue(self.server.wait_for_request(SOFTWARE_VERSION_PATH, REQUEST_TIMEOUT),
                        "the automatic software check did not ask the server")

    def publish_offered_version(self):
        subprocess.run([self.config.publish, "--version", self.offered, "--software", self.config.marker,
                        self.server.root], check=True, stdout=subprocess.DEVNULL, timeout=60)

    def manual_check_and_answer(self, answer):
        self.assertEqual(0, self.wine.driver("check-software").returncode)
        located = self.wine.driver("locate", answer, BOX_TIMEOUT_MS)
        self.assertEqual(0, located.returncode, "the manual check did not prompt")
        click(located.stdout)
        self.assertEqual(0, self.wine.driver("wait-no-box", "10000").returncode,
                         f"the click on {answer} did not close the prompt")

    def marker_started(self):
        return os.path.exists(self.marker_record)

    def test_yes_downloads_unpacks_and_starts_the_package_program(self):
        self.start_thermivo()
        self.publish_offered_version()
        self.manual_check_and_answer("YES")

        self.assertEqual(ENDED_FOR_UPDATE, self.app.wait(timeout=END_TIMEOUT))
        self.assertIn(self.package_request, self.server.requests())
        self.assertTrue(wait_until(self.marker_started, REQUEST_TIMEOUT), "the program did not start")
        with open(self.marker_record, encoding="utf-8") as f:
            program, arguments = f.read().split("\n")[:2]
        self.assertTrue(same_windows_path(self.package_folder + self.program_name, program), program)
        self.assertEqual("", arguments.strip())
        # Unpacked, the package itself is removed.
        self.assertFalse(os.path.exists(os.path.join(self.linux_package_folder, self.package_name)))

    def test_the_running_version_is_the_project_version(self):
        """Offered its own version, Thermivo reports it as current: a box with "OK" alone, which a click in
        its middle (between "YES" and "NO" of a prompt) closes, and nothing is downloaded."""
        self.offered = self.config.version
        self.package_request = f"/zentra/Z7/software///Software-{self.offered}.zip"
        self.start_thermivo()
        self.publish_offered_version()
        self.manual_check_and_answer("OK")

        self.assertIsNone(self.app.poll(), "Thermivo ended")
        self.assertNotIn(self.package_request, self.server.requests())
        self.assertEqual(0, self.wine.driver("close", "20000").returncode)
        self.assertEqual(CLOSED_NORMALLY, self.app.wait(timeout=END_TIMEOUT))

    def test_no_downloads_nothing_and_keeps_running(self):
        self.start_thermivo()
        self.publish_offered_version()
        self.manual_check_and_answer("NO")

        # Asking again proves the worker is past the answer; the second prompt is declined too.
        self.manual_check_and_answer("NO")
        self.assertIsNone(self.app.poll(), "Thermivo ended")
        self.assertNotIn(self.package_request, self.server.requests())
        self.assertFalse(os.path.exists(os.path.join(self.linux_package_folder, self.package_name)))
        self.assertFalse(self.marker_started())
        self.assertEqual(0, self.wine.driver("close", "20000").returncode)
        self.assertEqual(CLOSED_NORMALLY, self.app.wait(timeout=END_TIMEOUT))

    def test_truncated_package_launches_nothing_and_keeps_running(self):
        self.run_damaged_package(lambda package: package[: len(package) // 2])

    def test_corrupted_package_launches_nothing_and_keeps_running(self):
        def corrupted(package):
            middle = len(package) // 2
            flipped = bytes(b ^ 0xFF for b in package[middle:middle + 64])
            return package[:middle] + flipped + package[middle + 64:]

        self.run_damaged_package(corrupted)

    def run_damaged_package(self, damage):
        # A program of that name left by an earlier update must not be started in the package's place.
        os.makedirs(self.linux_package_folder, exist_ok=True)
        with open(self.config.marker, "rb") as source, \
                open(os.path.join(self.linux_package_folder, self.program_name), "wb") as old_copy:
            old_copy.write(source.read())
        self.start_thermivo()
        self.publish_offered_version()
        package_path = os.path.join(self.server.root, "zentra", "Z7", "software", self.package_name)
        with open(package_path, "rb") as f:
            package = f.read()
        with open(package_path, "wb") as f:
            f.write(damage(package))

        self.manual_check_and_answer("YES")
        self.assertTrue(self.server.wait_for_request(self.package_request, REQUEST_TIMEOUT))
        # The next prompt can only come once the worker is done with the package.
        self.manual_check_and_answer("NO")
        self.assertIsNone(self.app.poll(), "Thermivo ended")
        self.assertFalse(self.marker_started(), "a program was started")
        self.assertEqual(0, self.wine.driver("close", "20000").returncode)
        self.assertEqual(CLOSED_NORMALLY, self.app.wait(timeout=END_TIMEOUT))
