# Sourced by the scripts. Sets ROOT and chooses the build trees:
#   DIST_BUILD  the 32-bit build whose dist/ folder is what a user installs;
#   TEST_BUILD  the build whose programs run under Wine here. Where the host can run 32-bit Wine that is
#               the same tree; a host whose kernel refuses 32-bit code (no IA-32 emulation) runs the same
#               sources built for 64-bit Windows under 64-bit Wine instead.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DIST_BUILD="$ROOT/build"
# Compiler cache hits across checkouts of the same sources.
export CCACHE_BASEDIR="$ROOT"

# Natively only: 32-bit code run through a user-mode emulator's binfmt entry is far too slow for the tests.
host_runs_32bit() {
  grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386 && return 1
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

choose_test_build() {
  if host_runs_32bit; then
    TEST_ARCH=i686
    TEST_BUILD="${1:-$DIST_BUILD}"
  else
    TEST_ARCH=x86_64
    TEST_BUILD="${1:-$DIST_BUILD/win64}"
  fi
}

# configure_and_build DIR ARCH [targets...]
configure_and_build() {
  local dir="$1" arch="$2"
  shift 2
  mkdir -p "$dir"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release ${CMAKE_ARGS:-} >"$dir/configure.log" 2>&1 \
    || { cat "$dir/configure.log"; return 1; }
  if [ $# -gt 0 ]; then
    local t
    for t in "$@"; do cmake --build "$dir" -j"$(nproc)" --target "$t"; done
  else
    cmake --build "$dir" -j"$(nproc)"
  fi
}
