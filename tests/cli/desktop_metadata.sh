#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators, and the
# metainfo launches the installed desktop entry.
set -euo pipefail
source_dir="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
metainfo="$source_dir/resources/org.prevora.Prevora.metainfo.xml"
desktop="$source_dir/resources/prevora.desktop"

command -v appstreamcli >/dev/null || fail "appstreamcli missing (scripts/deps.sh installs appstream)"
appstreamcli validate --no-net "$metainfo" >/dev/null || { appstreamcli validate --no-net "$metainfo" >&2; fail "metainfo rejected"; }
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing (scripts/deps.sh installs desktop-file-utils)"
report=$(desktop-file-validate "$desktop") || true
[ -z "$report" ] || fail "desktop entry: $report"
grep -qF "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
  fail "metainfo does not launch $(basename "$desktop")"
grep -qF "<id>$(basename "$metainfo" .metainfo.xml)</id>" "$metainfo" || fail "metainfo file name differs from its id"
echo "desktop metadata: ok"
