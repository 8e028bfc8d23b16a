#!/usr/bin/env bash
# The include direction check on a small tree of its own: a tree whose
# includes all point down passes, and each planted upward include fails the
# check with a line naming the file and the include.
# Usage: tests/check_includes_test.sh CHECK_SCRIPT
set -euo pipefail
check="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

# Writes a file that includes the given headers.
plant() {
  local file="$1"
  shift
  mkdir -p "$root/$(dirname "$file")"
  : >"$root/$file"
  for header in "$@"; do echo "#include \"$header\"" >>"$root/$file"; done
}

# Every include points down or sideways within a folder.
plant base/ascii.h
plant loader/host_calls.cc plugin/stats_exports.h base/ascii.h
plant tools/logs/band_plan.cc tools/logs/band_plan.h base/ascii.h
plant tools/callsign/cty_file.cc tools/logs/log_values.h
plant tools/sponsor/sponsor_rules.h tools/callsign/station.h
plant tools/replay/replay_run.cc tools/sponsor/sponsor_rules.h loader/host_calls.h
plant tools/aadx_replay_main.cc tools/replay/replay_run.h
plant tools/check/matcher.cc tools/sponsor/sponsor_rules.h tools/logs/log_values.h
plant tools/aadx_check_main.cc tools/check/check_run.h
plant tools/logs/band_plan_test.cc tools/replay/replay_run.h
if ! out="$(bash "$check" "$root" 2>&1)"; then
  echo "a tree of downward includes failed the check:"
  echo "$out"
  exit 1
fi

# file|upward include
cases=(
  "tools/logs/adif_reader.cc|tools/callsign/cty_file.h"
  "tools/logs/log_contact.h|tools/replay/replay_plan.h"
  "tools/callsign/station.h|tools/sponsor/score_table.h"
  "tools/sponsor/score_table.cc|tools/replay/replay_check.h"
  "tools/check/matcher.cc|tools/replay/replay_plan.h"
  "tools/sponsor/rule_book.cc|tools/check/matcher.h"
  "tools/check/check_run.cc|plugin/plugin.h"
  "loader/plugin_library.h|tools/replay/replay_run.h"
  "base/ole_date.cc|tools/logs/qso_time.h"
  "plugin/plugin.cc|loader/host_calls.h"
)
failed=0
for c in "${cases[@]}"; do
  file="${c%%|*}"
  header="${c#*|}"
  cp -r "$root" "$root.case"
  plant_root="$root"
  root="$root.case"
  plant "$file" "$header"
  if out="$(bash "$check" "$root" 2>&1)" || [[ "$out" != *"$file:1: includes \"$header\""* ]]; then
    echo "FAIL: $file including $header was not reported:"
    echo "$out"
    failed=1
  fi
  rm -rf "$root"
  root="$plant_root"
done
[ "$failed" -eq 0 ] && echo "include direction check: ${#cases[@]} planted includes caught"
exit "$failed"
