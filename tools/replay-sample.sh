#!/usr/bin/env bash
# README command one: builds the native plug-in and aadx-replay and replays
# the Asian CW sample log through libStats.so as an export run. Prints the
# plug-in's summary, the record counts and where the plug-in wrote its UBN
# report, its settings file and the Cabrillo log (replay-out/aadx-asia-cw/).
#
# Usage: tools/replay-sample.sh [--no-build] [more aadx-replay options]
# AADX_BUILD_DIR chooses another build folder than build/native.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${AADX_BUILD_DIR:-build/native}
if [ "${1:-}" = --no-build ]; then
  shift
else
  bash scripts/install-deps native
  echo "building the plug-in library and aadx-replay in $build_dir ..." >&2
  cmake --preset native -B "$build_dir" >/dev/null
  cmake --build "$build_dir" --target aadx-replay -j2 >&2
fi

exec "$build_dir/bin/aadx-replay" samples/aadx-asia-cw.adi --cabrillo \
  --settings samples/AADX.ini --out replay-out/aadx-asia-cw "$@"
