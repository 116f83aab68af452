#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# skipping those already present.
set -euo pipefail
packages=(cmake ninja-build g++ ccache qt6-base-dev libgl-dev libgtest-dev libgmock-dev googletest
          libbenchmark-dev fonts-liberation xvfb xauth poppler-utils
          dpkg-dev appstream desktop-file-utils man-db bsdextrautils jq hunspell hunspell-en-us)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}. Install them as root (apt-get install ...), then run this again." >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
