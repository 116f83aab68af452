#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on its sample plan.
# Without a display it prints the sample plan's forecast instead.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
echo "Building Prevora (first build takes a few minutes)..."
log=build-release.log
if ! { cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPREVORA_BENCH=OFF &&
       cmake --build build-release -j "$(nproc)" --target prevora prevora-cli; } >"$log" 2>&1; then
  cat "$log"
  echo "The build failed; the messages above say why."
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: printing the sample plan's forecast instead of opening the window."
  exec build-release/prevora-cli forecast build-release/Double.plan
fi
exec build-release/prevora "$PWD/build-release/Double.plan"
