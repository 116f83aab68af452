#!/usr/bin/env bash
# graph writes the graph page's picture as PNG or BMP at the asked size;
# bad options are usage errors (1) and unreadable plans fail with 2.
set -euo pipefail
cli="$1"
source_dir="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
plan="$source_dir/resources/Double.plan"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Unsigned integer of `count` bytes at `offset`, big-endian or little-endian.
bytes() { od -An -tu1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' '; }
big_endian() { local v=0; for b in $(bytes "$1" "$2" 4); do v=$((v * 256 + b)); done; echo "$v"; }
little_endian() { local v=0 m=1; for b in $(bytes "$1" "$2" 4); do v=$((v + b * m)); m=$((m * 256)); done; echo "$v"; }
png_size() { echo "$(big_endian "$1" 16)x$(big_endian "$1" 20)"; }
bmp_size() {
  local h; h=$(little_endian "$1" 22)
  # Top-down bitmaps store a negative height.
  [ "$h" -ge 2147483648 ] && h=$((4294967296 - h))
  echo "$(little_endian "$1" 18)x$h"
}

"$cli" graph "$plan" --out "$work/default.png" || fail "graph to PNG exited with $?"
[ "$(head -c 8 "$work/default.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "not a PNG file"
[ "$(png_size "$work/default.png")" = "506x574" ] || fail "default PNG is $(png_size "$work/default.png")"

"$cli" graph "$plan" --out "$work/big.BMP" --size 1280x900 --current-dollars --curves 1,2,5 ||
  fail "graph to BMP exited with $?"
[ "$(head -c 2 "$work/big.BMP")" = "BM" ] || fail "not a BMP file"
[ "$(bmp_size "$work/big.BMP")" = "1280x900" ] || fail "BMP is $(bmp_size "$work/big.BMP")"

# Fewer curves, another picture.
"$cli" graph "$plan" --out "$work/two.png" --curves 1,5 || fail "graph with two curves exited with $?"
cmp -s "$work/default.png" "$work/two.png" && fail "hiding curves did not change the picture"

expect_status() {
  local want="$1"; shift
  local status=0
  "$cli" graph "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq "$want" ] || fail "graph $* exited with $status, expected $want"
  [ -s "$work/err" ] || fail "graph $* said nothing on stderr"
}
expect_status 1 "$plan" --out "$work/x.jpg"
expect_status 1 "$plan" --out "$work/x.png" --size 0x574
expect_status 1 "$plan" --out "$work/x.png" --size big
expect_status 1 "$plan" --out "$work/x.png" --curves 0,9
expect_status 1 "$plan"
expect_status 2 "$work/missing.plan" --out "$work/x.png"
sed '5s/.*/sixty-five\r/' "$plan" > "$work/Damaged.plan"
expect_status 2 "$work/Damaged.plan" --out "$work/x.png"
[ ! -e "$work/x.png" ] || fail "a failed graph wrote a picture"
expect_status 2 "$plan" --out "$work/no/such/folder/x.png"
echo "graph: ok"
