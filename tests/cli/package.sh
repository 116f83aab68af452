#!/usr/bin/env bash
# cpack -G DEB builds prevora_<version>_amd64.deb holding the programs, the
# documents beside the program, the desktop files, the man pages and the
# completion, with its library dependencies computed, also from a build of
# the programs alone.
set -euo pipefail
cli="$1"
build_dir=$(dirname "$cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dpkg-shlibdeps >/dev/null || fail "dpkg-shlibdeps missing (scripts/deps.sh installs dpkg-dev)"

# As after ./run.sh, which builds the programs only: the build holds no man
# pages, and the installation writes them.
rm -rf "$build_dir/man"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }

version=$(QT_QPA_PLATFORM=offscreen "$build_dir/prevora" --version | cut -d' ' -f2)
package="$work/prevora_${version}_$(dpkg --print-architecture).deb"
[ -f "$package" ] || fail "no $(basename "$package"); cpack wrote: $(cd "$work" && ls ./*.deb 2>/dev/null)"

[ "$(dpkg-deb -f "$package" Package)" = prevora ] || fail "package name is not prevora"
[ "$(dpkg-deb -f "$package" Version)" = "$version" ] || fail "package version differs from the program's"
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6printsupport6 libc6 qt6-qpa-plugins; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

contents=$(dpkg-deb -c "$package" | awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }')
for path in ./usr/bin/prevora-cli "./usr/bin/prevora -> ../lib/prevora/prevora" ./usr/lib/prevora/prevora \
  ./usr/lib/prevora/Help_HTM.htm ./usr/lib/prevora/about.html ./usr/lib/prevora/Double.plan \
  ./usr/share/applications/prevora.desktop ./usr/share/icons/hicolor/scalable/apps/prevora.svg \
  ./usr/share/icons/hicolor/256x256/apps/prevora.png ./usr/share/metainfo/org.prevora.Prevora.metainfo.xml \
  ./usr/share/man/man1/prevora.1 ./usr/share/man/man1/prevora-cli.1 \
  ./usr/share/bash-completion/completions/prevora-cli ./usr/share/prevora/market-history/us-annual.csv; do
  grep -qxF -- "$path" <<<"$contents" || fail "package lacks $path"
done
# Only what an installation needs: no test programs, benchmarks or build files.
unexpected=$(grep -vE '/$|^\./usr/(bin|lib/prevora|share/(applications|icons|metainfo|man|bash-completion|prevora))/' <<<"$contents" || true)
[ -z "$unexpected" ] || fail "package holds unexpected files: $unexpected"
echo "package: ok"
