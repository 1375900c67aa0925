#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang in build-fuzz and runs
# each one for a bounded time (seconds, default 60; one harness per core at a
# time) on a scratch copy of its seed corpus, so the committed corpus never
# changes. Exits non-zero when any
# harness reports a crash, a leak, a timeout, too much memory or a sanitizer
# error, and prints where the input that caused it was kept.
# Needs clang and libclang-rt-dev (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per harness]" >&2
  exit 2
fi

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DDRAVOLT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target dravolt_fuzzers -j"$(nproc)"

# Reproducers go to the build tree, which outlives the scratch folder.
artifacts="$PWD/$build/artifacts"
rm -rf "$artifacts"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/dravolt-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Runs one harness and notes its exit status next to its log; a reproducer
# lands beside them.
run_harness() {
  local name=$1 status=0
  mkdir -p "$scratch/$name" "$artifacts/$name"
  cp -R "fuzz/corpus/$name" "$scratch/$name/corpus"
  "$build/fuzz/$name" "$scratch/$name/corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=1 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$name/" \
    >"$artifacts/$name/log" 2>&1 || status=$?
  echo "$status" >"$artifacts/$name/status"
}

harnesses=()
for source in fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  if [[ ! -x "$build/fuzz/$name" ]]; then
    echo "$name was not built" >&2
    exit 1
  fi
  if [[ ! -d "fuzz/corpus/$name" ]]; then
    echo "$name has no seed corpus in fuzz/corpus/$name" >&2
    exit 1
  fi
  harnesses+=("$name")
done

# As many harnesses at a time as there are cores.
cores=$(nproc)
for name in "${harnesses[@]}"; do
  while (($(jobs -rp | wc -l) >= cores)); do
    wait -n || true
  done
  echo "Fuzzing $name for ${seconds}s"
  run_harness "$name" &
done
wait

failed=0
for name in "${harnesses[@]}"; do
  status=$(cat "$artifacts/$name/status")
  if [[ "$status" == 0 ]]; then
    echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$artifacts/$name/log" | awk '{print $2}') runs, nothing found"
    continue
  fi
  failed=1
  echo "$name FAILED (exit status $status); log: $artifacts/$name/log" >&2
  grep -E -m3 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error|SUMMARY' "$artifacts/$name/log" >&2 || true
  for reproducer in "$artifacts/$name"/{crash,leak,timeout,oom}-*; do
    [[ -e "$reproducer" ]] && echo "  reproducer: $reproducer (run: $build/fuzz/$name $reproducer)" >&2
  done
done
exit "$failed"
