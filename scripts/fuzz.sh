#!/usr/bin/env bash
# Runs every fuzz target for a chosen time: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# New inputs go to build-fuzz/corpus/<target> (the seeds in fuzz/corpus/<target> stay as they
# are); crashes are written to build-fuzz/artifacts/<target>/ and end the run with an error.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELT_FUZZ=ON \
  -DVELT_SANITIZE=ON -DVELT_GUI=OFF -DVELT_BENCH=OFF -DVELT_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "${JOBS:-2}"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
status=0
for t in "${targets[@]}"; do
  work=build-fuzz/corpus/$t
  artifacts=build-fuzz/artifacts/$t
  mkdir -p "$work" "$artifacts"
  echo "== $t for $seconds s"
  log=build-fuzz/fuzz_$t.log
  if ! build-fuzz/fuzz/"$t" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
    status=1
    echo "$t found a problem; see $log and $artifacts/"
  fi
  grep -E '^(Done|stat::)' "$log" || tail -n 20 "$log"
done
exit $status
