#!/usr/bin/env bash
# fuzz.sh [folder]: builds the libFuzzer targets with clang in a folder of their own (build/fuzz by
# default) and runs each for FUZZ_SECONDS seconds (20 by default), starting from the seeds in
# fuzz/corpus/<target>. New inputs are kept in <folder>/corpus/<target>; an input that crashes or breaks
# a check is saved as <folder>/<target>-crash-... and fails the run.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mkdir -p "${1:-$root/build/fuzz}" && cd "${1:-$root/build/fuzz}" && pwd)
seconds=${FUZZ_SECONDS:-20}
targets=(fuzz_wavefile fuzz_configfile fuzz_cardprotocol fuzz_cardcommandline fuzz_presetfile)
unset MAKEFLAGS MFLAGS MAKELEVEL
cmake -S "$root" -B "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORA_FUZZ=ON -DVELORA_WERROR="${VELORA_WERROR:-OFF}" >/dev/null || exit 1
cmake --build "$dir" -j "${JOBS:-2}" --target "${targets[@]}" || exit 1
export ASAN_OPTIONS=detect_leaks=0
status=0
for target in "${targets[@]}"; do
  mkdir -p "$dir/corpus/$target"
  log=$dir/$target.log
  if ! "$dir/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/$target-" \
      "$dir/corpus/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    status=1
    tail -40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
  echo "$target: ${runs:-?} inputs in ${seconds} s, ${coverage:-no coverage reported}"
done
exit $status
