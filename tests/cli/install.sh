#!/usr/bin/env bash
# An installation into a fresh prefix holds the programs, the documents the
# program opens from its own folder, the sample plan, the icon, the desktop
# entry and metainfo, the man pages and the completion, and the program
# answers --version through its bin/ link.
set -euo pipefail
cli="$1"
source_dir="$2"
build_dir=$(dirname "$cli")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$prefix" >"$prefix.log" 2>&1 || { cat "$prefix.log" >&2; rm -f "$prefix.log"; fail "install failed"; }
rm -f "$prefix.log"

[ -x "$prefix/bin/prevora-cli" ] || fail "bin/prevora-cli missing"
[ -L "$prefix/bin/prevora" ] || fail "bin/prevora is not a link to the program"
program=$(readlink -f "$prefix/bin/prevora")
[ -x "$program" ] || fail "bin/prevora does not lead to the program"
program_dir=$(dirname "$program")
case "$program_dir" in "$prefix"/*) ;; *) fail "program installed outside the prefix: $program_dir" ;; esac

for document in Help_HTM.htm about.html; do
  cmp -s "$source_dir/resources/$document" "$program_dir/$document" || fail "$document is not beside the program"
done
if [ -f "$source_dir/resources/Double.plan" ]; then
  cmp -s "$source_dir/resources/Double.plan" "$program_dir/Double.plan" || fail "Double.plan is not beside the program"
fi

cmp -s "$source_dir/resources/market-history/us-annual.csv" "$prefix/share/prevora/market-history/us-annual.csv" ||
  fail "the built-in market history is not installed"

desktop=$(find "$prefix" -path '*/share/applications/prevora.desktop')
[ -n "$desktop" ] || fail "desktop entry missing"
grep -qx 'Exec=prevora %f' "$desktop" || fail "desktop entry does not start prevora"
grep -qx 'Icon=prevora' "$desktop" || fail "desktop entry names no icon"
[ -n "$(find "$prefix" -path '*/share/icons/hicolor/scalable/apps/prevora.svg')" ] || fail "scalable icon missing"
[ -n "$(find "$prefix" -path '*/share/icons/hicolor/256x256/apps/prevora.png')" ] || fail "bitmap icon missing"

for file in share/man/man1/prevora.1 share/man/man1/prevora-cli.1 share/bash-completion/completions/prevora-cli \
  share/metainfo/org.prevora.Prevora.metainfo.xml; do
  [ -n "$(find "$prefix" -path "*/$file")" ] || fail "$file missing"
done

version=$("$prefix/bin/prevora" --version) || fail "--version exited with $?"
[ "$version" = "Prevora 1.24" ] || fail "unexpected version text: $version"
"$prefix/bin/prevora" --help | grep -q '^Usage: prevora' || fail "--help shows no usage"
"$prefix/bin/prevora-cli" --help >/dev/null || fail "installed prevora-cli does not run"
echo "install: ok"
