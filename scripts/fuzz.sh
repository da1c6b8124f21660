#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs each
# for SECONDS (default 60), one after the other, starting from the seed corpora
# in fuzz/corpus/ (new inputs go to build-fuzz/corpus/, the seeds stay as they
# are). Prints the executions of each target; a broken rule or a crash stops
# the script with the target's report and the input in build-fuzz/findings/.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]   TARGET: ConfigFile PortSettings Transaction Records
set -euo pipefail

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ConfigFile PortSettings Transaction Records)

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRM_FUZZ=ON >/dev/null
fi
cmake --build "$build" --target $(printf 'fuzz_%s ' "${targets[@]}") >/dev/null

mkdir -p "$build/findings"
export QT_QPA_PLATFORM=offscreen
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  log="$build/findings/$target.log"
  if "$build/fuzz/fuzz_$target" "$corpus" "$root/fuzz/corpus/$target" \
      -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    printf '%-14s %12s executions in %s s, no finding\n' "$target" "$runs" "$seconds"
  else
    status=1
    printf '%-14s FINDING, see %s\n' "$target" "$log"
    grep -m3 -E 'rule broken|ERROR: |SUMMARY' "$log" || true
  fi
done
exit $status
