#!/usr/bin/env bash
# Pipes, devices, huge files, hostile names and texts: every command refuses
# them at once with a readable message and leaves what it was given alone.
set -euo pipefail
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the tool with a time limit (a regression must fail, not hang) and
# expects exit status 2 with `expected` in its message.
refused() {
  local expected="$1"
  shift
  local status=0
  timeout 20 "$cli" "$@" >"$work/out" 2>"$work/err" </dev/null || status=$?
  [ "$status" -eq 2 ] || fail "'$*' exited with $status, expected 2: $(cat "$work/err")"
  grep -qF -- "$expected" "$work/err" || fail "'$*' said: $(cat "$work/err")"
}

mkfifo "$work/pipe.plan"
refused "it is a named pipe" check "$work/pipe.plan"
refused "it is a device" check /dev/zero
refused "it is a device" forecast /dev/urandom
refused "it is a named pipe" sample "$work/pipe.plan"
[ -p "$work/pipe.plan" ] || fail "sample replaced the named pipe"
mkfifo "$work/pipe.png"
refused "it is a named pipe" graph "$work/pipe.png" --out "$work/pipe.png"
"$cli" new "$work/Fresh.plan"
refused "it is a named pipe" graph "$work/Fresh.plan" --out "$work/pipe.png"
[ -p "$work/pipe.png" ] || fail "graph replaced the named pipe"
mkfifo "$work/pipe.pdf"
refused "it is a named pipe" print-plan "$work/Fresh.plan" --pdf "$work/pipe.pdf"
refused "it is a named pipe" print-graph "$work/Fresh.plan" --pdf "$work/pipe.pdf"
[ -p "$work/pipe.pdf" ] || fail "printing replaced the named pipe"

# A plan whose first line is 300 MB long (sparse, so it costs no disk).
cp "$work/Fresh.plan" "$work/Huge.plan"
truncate -s 300M "$work/Huge.plan"
refused "larger than any plan file" check "$work/Huge.plan"

refused "control character" sample "$work/two"$'\n'"lines.plan"
[ -z "$(ls "$work" | grep lines)" ] || fail "sample wrote a file with a line break in its name"

# Names from a file reach the terminal escaped.
sed $'3s/.*/\x1b]0;owned\x07\r/' "$work/Fresh.plan" >"$work/Escape.plan"
out=$("$cli" check "$work/Escape.plan")
grep -qxF 'Person 1: \x1B]0;owned\x07, age 30' <<<"$out" || fail "check printed: $out"
sed $'5s/.*/\x1b[2Jsixty\r/' "$work/Fresh.plan" >"$work/Damaged.plan"
refused "'\\x1B[2Jsixty' is not a valid integer value (line 5 of" check "$work/Damaged.plan"

# A plan name holding an escape, compared and simulated: the reports show it escaped.
cp "$work/Fresh.plan" "$work/"$'\x1b[2J'"Other.plan"
"$cli" diff "$work/Escape.plan" "$work/"$'\x1b[2J'"Other.plan" >"$work/out" || true
grep -qF 'Base:  ' "$work/out" || fail "diff printed: $(cat -v "$work/out")"
! grep -q $'\x1b' "$work/out" || fail "diff let an escape through: $(cat -v "$work/out")"
"$cli" simulate "$work/"$'\x1b[2J'"Other.plan" --trials 20 >"$work/out"
grep -qF 'Plan: '"$work"'/\x1B[2JOther.plan' "$work/out" || fail "simulate printed: $(cat -v "$work/out")"
! grep -q $'\x1b' "$work/out" || fail "simulate let an escape through: $(cat -v "$work/out")"

echo "hostile_files: all passed"
