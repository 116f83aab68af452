#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal
# build, then the core again under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
jobs=$(nproc)

# The tests need the optimised code, not its debug information, which costs a
# fifth of the compile time; the benchmarks run in a build of their own (README).
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DPREVORA_BENCH=OFF >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

# Line tables are enough for the sanitizers' reports.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1" -DPREVORA_CORE_ONLY=ON \
  -DPREVORA_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure -j "$jobs")
