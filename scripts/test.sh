#!/usr/bin/env bash
# Installs what is missing, builds Dravolt and runs every test through CTest:
# once in the normal build, once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzzers for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOLT_CORE_ONLY=OFF -DDRAVOLT_SANITIZE=OFF
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOLT_SANITIZE=ON -DDRAVOLT_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== fuzz the file readers and the JPEG decoder"
scripts/fuzz.sh 60
