"""Where the release tests find the build and its programs (from the environment CTest gives them)."""

import os
import shutil


def _required(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set: run the release tests through ctest")
    return value


class ReleaseConfig:
    def __init__(self):
        self.source_dir = _required("RELEASE_SOURCE_DIR")
        self.build_dir = _required("RELEASE_BUILD_DIR")
        self.wine_run = _required("RELEASE_WINE_RUN")
        self.version = _required("RELEASE_VERSION")
        self.installer = _required("RELEASE_INSTALLER")
        # The 32-bit deliverables when the test build is another one; empty otherwise.
        self.dist32_dir = os.environ.get("RELEASE_DIST32_DIR", "")
        self.bin_dir = os.path.join(self.build_dir, "bin")
        self.dist_dir = os.path.join(self.build_dir, "dist")
        self.marker = os.path.join(self.bin_dir, "Marker.exe")
        self.driver = os.path.join(self.bin_dir, "ReleaseDriver.exe")
        self.publish = os.path.join(self.source_dir, "scripts", "publish")
        self.update_server = os.path.join(self.source_dir, "tools", "updateserver", "updateserver.py")

    def work_folder(self, name):
        """A folder of the build tree for one test, emptied first."""
        folder = os.path.join(self.build_dir, "release-tests", name)
        if os.path.isdir(folder):
            shutil.rmtree(folder)
        os.makedirs(folder)
        return folder

    def next_version(self):
        """The version the round trip offers: the project version with its last number one higher."""
        parts = self.version.split(".")
        parts[-1] = str(int(parts[-1]) + 1)
        return ".".join(parts)


def dist_files(dist_dir):
    """The files of a dist folder, as paths relative to it with "/" separators."""
    files = []
    for folder, _, names in os.walk(dist_dir):
        for name in names:
            files.append(os.path.relpath(os.path.join(folder, name), dist_dir).replace(os.sep, "/"))
    return sorted(files)
