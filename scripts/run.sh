#!/usr/bin/env bash
# Installs what is missing, builds Dravolt and starts it. The game keeps its
# settings and records in the folder this script is started from.
set -euo pipefail
start_folder=$PWD
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOLT_CORE_ONLY=OFF -DDRAVOLT_SANITIZE=OFF
cmake --build build -j"$(nproc)" --target dravolt
cd "$start_folder"
exec "$OLDPWD/build/src/window/dravolt"
