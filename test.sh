#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal
# build, then the core again under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPREVORA_CORE_ONLY=ON -DPREVORA_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure -j "$jobs")
