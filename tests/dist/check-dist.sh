#!/bin/sh
# Checks the 32-bit deliverables: PE32 (Intel 80386) binaries, and the toolkit's exported interface.
# Usage: check-dist.sh DIST_DIR OBJDUMP [expected export symbol ...]
set -eu
dist="$1"
objdump="$2"
shift 2
fail() { echo "FAIL: $*"; exit 1; }
for dll in Vantix.dll hidapi.dll; do
  [ -f "$dist/$dll" ] || fail "$dist/$dll is missing"
  "$objdump" -f "$dist/$dll" | grep -q 'file format pei-i386' || fail "$dll is not a PE32 (i386) image"
done
exports="$("$objdump" -p "$dist/Vantix.dll")"
for symbol in "$@"; do
  echo "$exports" | grep -q "\] $symbol\$" || fail "Vantix.dll does not export $symbol"
done
echo "dist: PE32 images, $# toolkit exports present"
