"""The build's Windows programs under Wine, for the release tests: runs and starts them through the
build's wine-run (its own prefix), and maps paths between Linux and Windows."""

import os
import subprocess
import tempfile
import time


class Wine:
    def __init__(self, config):
        self.config = config

    def run(self, program, *args, env=None, timeout=120):
        """Runs a program to its end; its output is read through a file, since Wine's helper processes
        would hold a pipe open."""
        with tempfile.TemporaryFile() as output:
            process = subprocess.run([self.config.wine_run, program, *args], stdin=subprocess.DEVNULL,
                                     stdout=output, stderr=subprocess.STDOUT, env=self._environment(env),
                                     timeout=timeout)
            output.seek(0)
            process.stdout = output.read().decode("utf-8", "replace").replace("\r\n", "\n")
        return process

    def start(self, program, *args, env=None, log_path=None):
        """Starts a program and returns its Popen; its output goes to log_path."""
        log = open(log_path or os.devnull, "ab")
        try:
            return subprocess.Popen([self.config.wine_run, program, *args], stdin=subprocess.DEVNULL,
                                    stdout=log, stderr=subprocess.STDOUT, env=self._environment(env))
        finally:
            log.close()

    def driver(self, *args, timeout=120):
        """ReleaseDriver.exe, which plays the user of a running Thermivo."""
        return self.run(self.config.driver, *args, timeout=timeout)

    def expand(self, text):
        """Expands Windows environment variables such as %LOCALAPPDATA% as Wine's programs see them."""
        return self.run("cmd", "/c", "echo " + text).stdout.strip()

    def linux_path(self, windows_path):
        return self.run("winepath", "-u", windows_path).stdout.strip()

    @staticmethod
    def windows_path(linux_path):
        """Wine maps the Linux root to drive Z:."""
        return "Z:" + os.path.abspath(linux_path).replace("/", "\\")

    def registry_key_exists(self, key):
        return self.run("reg", "query", key).returncode == 0

    def delete_registry_key(self, key):
        self.run("reg", "delete", key, "/f")

    @staticmethod
    def _environment(extra):
        env = dict(os.environ)
        env.update(extra or {})
        return env


def wait_until(test, timeout, interval=0.2):
    """Polls test until it holds or timeout seconds have passed; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = test()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)
