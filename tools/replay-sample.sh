#!/usr/bin/env bash
# README command one: builds everything (the native preset) and replays the
# Asian CW sample log through libStats.so as an export run. Prints the
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
  bash scripts/install-deps
  # Progress goes to the void; warnings and errors still show on stderr.
  cmake --preset native -B "$build_dir" >/dev/null
  cmake --build "$build_dir" -j2 >/dev/null
fi

exec "$build_dir/bin/aadx-replay" samples/aadx-asia-cw.adi --cabrillo \
  --settings samples/AADX.ini --out replay-out/aadx-asia-cw "$@"
