"""The loopback update server of tools/updateserver for the release tests: serves a folder, logs every
request and stops with the test."""

import os
import subprocess
import sys

from wine import wait_until

START_TIMEOUT = 10


class UpdateServer:
    def __init__(self, config, work_folder):
        self.root = os.path.join(work_folder, "root")
        self.log = os.path.join(work_folder, "requests")
        port_file = os.path.join(work_folder, "port")
        os.makedirs(self.root)
        self.process = subprocess.Popen(
            [sys.executable, config.update_server, "--root", self.root, "--port-file", port_file,
             "--log", self.log, "--lifetime", "600"], stdin=subprocess.DEVNULL)
        if not wait_until(lambda: os.path.exists(port_file), START_TIMEOUT):
            self.stop()
            raise RuntimeError("the update server did not start")
        with open(port_file) as f:
            self.url = f"http://127.0.0.1:{f.read().strip()}"

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)

    def requests(self):
        """The request paths so far, oldest first."""
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return f.read().splitlines()

    def wait_for_request(self, path, timeout):
        return wait_until(lambda: path in self.requests(), timeout)
