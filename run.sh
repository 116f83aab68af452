#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on its sample plan.
# Without a display it prints the sample plan's forecast instead.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPREVORA_BENCH=OFF >/dev/null
cmake --build build-release -j "$(nproc)" --target prevora prevora-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: printing the sample plan's forecast instead of opening the window."
  exec build-release/prevora-cli forecast build-release/Double.plan
fi
exec build-release/prevora "$PWD/build-release/Double.plan"
