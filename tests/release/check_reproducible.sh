#!/usr/bin/env bash
# Builds Stats.dll a second time, from a copy of the tree in another folder
# and in a build folder of its own, and compares it byte for byte with the
# DLL of this build: the release must not depend on where or when it was
# built. Only the Stats target is built the second time.
# Usage: check_reproducible.sh SOURCE_DIR BUILT_DLL WORK_DIR
set -euo pipefail
src=$1
dll=$2
work=$3

rm -rf "$work"
mkdir -p "$work/tree"
# The tree without build folders, packages or history.
tar -C "$src" --exclude=./build --exclude=./dist --exclude=./.git \
  --exclude=./replay-out -cf - . | tar -C "$work/tree" -xf -

cmake -S "$work/tree" -B "$work/build" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$work/tree/cmake/mingw-w64-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" --target Stats -j2 >"$work/build.log" 2>&1 ||
  { tail -30 "$work/build.log"; exit 1; }

second=$work/build/bin/Stats.dll
echo "first:  $(sha256sum "$dll")"
echo "second: $(sha256sum "$second")"
if cmp -s "$dll" "$second"; then
  echo "Stats.dll is reproducible: $(stat -c %s "$dll") identical bytes"
  rm -rf "$work"
  exit 0
fi
echo "FAIL: the two builds of Stats.dll differ:"
cmp -l "$dll" "$second" | head -20
echo "(a build folder configured before these flags existed needs" \
  "cmake --preset win32 --fresh)"
exit 1
