#!/usr/bin/env bash
# Whole runs of velt-cli, timed as processes: start-up, load, recompute, dump, and one undo
# and redo. The figures are generated first (velt-bench-figures); nothing is committed.
#
#   bench/whole_run.sh [BUILD_DIR]        (default: build)
#   CLI=/path/to/velt-cli bench/whole_run.sh   to time another velt-cli on the same figures
#   RUNS=30 WARMUP=5                           repetitions per run
#
# Uses hyperfine when present (median of RUNS runs after WARMUP), else a loop over
# `date +%s%N`. Prints one line per run: the median in milliseconds.
set -euo pipefail
build="${1:-build}"
cli="${CLI:-$build/src/velt-cli}"
figures="$build/bench/whole_run/velt-bench-figures"
runs="${RUNS:-30}"
warmup="${WARMUP:-5}"
[[ -x "$cli" ]] || { echo "no velt-cli at $cli" >&2; exit 1; }
[[ -x "$figures" ]] || { echo "no velt-bench-figures at $figures" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$figures" chain 4000 "$work/chain4k.vlt"
"$figures" chain 40000 "$work/chain40k.vlt"
"$figures" circles 10000 "$work/circles10k.vlt"
"$figures" mixed 100000 "$work/mixed100k.vlt"

# median_ms COMMAND...: the median wall time of the command in milliseconds, and with
# hyperfine the mean CPU time (user + system) beside it: on a shared machine the wall time
# waits for the other processes, the CPU time does not.
median_ms() {
  if command -v hyperfine >/dev/null; then
    hyperfine -N --style none --warmup "$warmup" --runs "$runs" \
      --export-json "$work/h.json" -- "$(printf '%q ' "$@")" >/dev/null 2>&1
    python3 -c 'import json,sys; r = json.load(open(sys.argv[1]))["results"][0]; print("%.2f (cpu %.2f)" % (r["median"] * 1000, (r["user"] + r["system"]) * 1000))' "$work/h.json"
  else
    local i t0 t1
    for ((i = 0; i < warmup; ++i)); do "$@" >/dev/null; done
    for ((i = 0; i < runs; ++i)); do
      t0=$(date +%s%N)
      "$@" >/dev/null
      t1=$(date +%s%N)
      echo $(((t1 - t0) / 1000))
    done | sort -n | awk '{a[NR] = $1} END {printf "%.2f\n", (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) / 1000}'
  fi
}

# undo_ms: medians over RUNS fresh processes of the undo timer: undo, redo (wall), then
# undo, redo (CPU).
undo_ms() {
  local i
  for ((i = 0; i < runs; ++i)); do "$figures" undo "$work/mixed100k.vlt"; done >"$work/undo.txt"
  # Undo and redo are timed inside the process (wall time, so also loaded by the machine).
  for field in 2 5 8 10; do
    awk -v f="$field" '{print $f}' "$work/undo.txt" | sort -g |
      awk '{a[NR] = $1} END {printf "%.2f\n", NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'
  done
}

echo "velt-cli: $cli"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
ls -l "$work"/*.vlt | awk '{printf "  %s %d bytes\n", $NF, $5}' | sed "s|$work/||"
printf '%-44s %s\n' "run" "median ms (mean cpu ms)"
v=$(median_ms "$cli" version);                              printf '%-44s %s\n' "version" "$v"
c4=$(median_ms "$cli" dump "$work/chain4k.vlt");            printf '%-44s %s\n' "dump chain of 4,000 midpoints" "$c4"
c40=$(median_ms "$cli" dump "$work/chain40k.vlt");          printf '%-44s %s\n' "dump chain of 40,000 midpoints" "$c40"
ci=$(median_ms "$cli" dump "$work/circles10k.vlt");         printf '%-44s %s\n' "dump 10,000 elements of circles cut by lines" "$ci"
i4=$(median_ms "$cli" info "$work/chain4k.vlt");            printf '%-44s %s\n' "info chain of 4,000" "$i4"
i40=$(median_ms "$cli" info "$work/chain40k.vlt");          printf '%-44s %s\n' "info chain of 40,000" "$i40"
m=$(median_ms "$cli" info "$work/mixed100k.vlt");           printf '%-44s %s\n' "info (load) of 100,000 mixed" "$m"
d=$(median_ms "$cli" dump "$work/mixed100k.vlt");           printf '%-44s %s\n' "dump 100,000 mixed" "$d"
mapfile -t ur < <(undo_ms)
printf '%-44s %s\n' "undo of 100,000 mixed (in process, + recompute)" "${ur[0]} (cpu ${ur[2]})"
printf '%-44s %s\n' "redo of 100,000 mixed (in process, + recompute)" "${ur[1]} (cpu ${ur[3]})"
python3 -c '
import math, re, sys
# Processor time where hyperfine gave it (wall time otherwise), with the start-up taken off.
def t(a):
    m = re.search(r"cpu ([0-9.]+)", a)
    return float(m.group(1) if m else a.split()[0])
v, d4, d40, i4, i40 = map(t, sys.argv[1:])
def exponent(a, b):
    return "%.2f" % math.log10((b - v) / (a - v)) if a > v and b > v else "n/a"
print("growth exponent 4,000 -> 40,000: dump %s, info %s (start-up %.2f ms taken off)" % (
    exponent(d4, d40), exponent(i4, i40), v))' "$v" "$c4" "$c40" "$i4" "$i40"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
