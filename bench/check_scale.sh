#!/usr/bin/env bash
# The cross-check at scale: simulated contests of 400 and 2,000 logs (about
# 500 QSO lines a log) checked by aadx-check, and beside it, in the same
# run, the sqlite3 shell importing the same QSO lines as CSV and indexing
# them. Prints both times, their ratio, each one's peak memory, and the
# checker's precision and recall per verdict class against the simulator's
# truth. Timings depend on the machine and its load: read the ratio.
# Usage: bench/check_scale.sh [LOGS...]   (default: 400 2000)
#   BUILD=build/native   where aadx-check and aadx-contest-sim are built
#   WORK=/tmp/aadx-check-scale   where the contests are written
#   LINES=500   QSO lines per log, about
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/native}
work=${WORK:-/tmp/aadx-check-scale}
lines=${LINES:-500}
bin=$build/bin
for tool in "$bin/aadx-check" "$bin/aadx-contest-sim"; do
  [ -x "$tool" ] || { echo "$tool: not built (cmake --build --preset native)" >&2; exit 2; }
done
command -v sqlite3 >/dev/null || { echo "sqlite3: not installed (scripts/install-deps)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time: not installed (scripts/install-deps)" >&2; exit 2; }
cty=tools/testdata/test_cty.dat

# "wall user+sys peak-MB" from a GNU time -v report.
figures() {
  awk -F': ' '
    /Elapsed \(wall clock\)/ { n = split($2, p, ":"); w = 0
                               for (i = 1; i <= n; ++i) w = w * 60 + p[i] }
    /User time/   { c += $2 }
    /System time/ { c += $2 }
    /Maximum resident/ { m = $2 / 1024 }
    END { printf "%.2f %.2f %.0f\n", w, c, m }' "$1"
}

echo "load: $(cut -d' ' -f1-3 /proc/loadavg)   cores: $(nproc)"
summary=()
for logs in "${@:-400 2000}"; do
  for n in $logs; do
    dir=$work/contest-$n
    rm -rf "$dir"
    mkdir -p "$dir"
    echo "== $n logs" >&2
    nice "$bin/aadx-contest-sim" --logs "$n" --lines-per-log "$lines" --out "$dir"
    /usr/bin/time -v -o "$dir/check.time" nice "$bin/aadx-check" "$dir/logs" \
      --cty "$cty" --out "$dir/out" --verdicts "$dir/verdicts.csv" \
      >"$dir/check.out"
    /usr/bin/time -v -o "$dir/sqlite.time" nice sqlite3 "$dir/import.db" <<SQL
.mode csv
.import $dir/qsos.csv qsos
CREATE INDEX qsos_by_call ON qsos(call, band, mode, time);
CREATE INDEX qsos_by_line ON qsos(log, line);
SQL
    read -r cw cc cm <<<"$(figures "$dir/check.time")"
    read -r sw sc sm <<<"$(figures "$dir/sqlite.time")"
    qsos=$(($(wc -l <"$dir/qsos.csv") - 1))
    echo
    echo "$n logs, $qsos QSO lines"
    printf '  %-34s %8s %10s %9s\n' "" "wall s" "user+sys s" "peak MB"
    printf '  %-34s %8s %10s %9s\n' "aadx-check" "$cw" "$cc" "$cm"
    printf '  %-34s %8s %10s %9s\n' "sqlite3 .import + 2 indexes" "$sw" "$sc" "$sm"
    ratio=$(awk -v a="$cw" -v b="$sw" 'BEGIN { printf "%.2f", a / b }')
    cratio=$(awk -v a="$cc" -v b="$sc" 'BEGIN { printf "%.2f", a / b }')
    echo "  ratio aadx-check / sqlite3: wall $ratio, cpu $cratio (aim <= 5)"
    echo "  aadx-check peak memory ${cm} MB (aim < 1536)"
    "$bin/aadx-contest-sim" --compare "$dir/truth.csv" "$dir/verdicts.csv" |
      sed 's/^/  /'
    summary+=("$n logs: $qsos lines, ratio wall $ratio cpu $cratio, peak ${cm} MB")
  done
done
echo
printf '%s\n' "${summary[@]}"
