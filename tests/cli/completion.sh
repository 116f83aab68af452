#!/usr/bin/env bash
# The bash completion offers prevora-cli's commands, each command's options,
# an option's listed values, files of the kind an option names, and plans.
set -uo pipefail
cli="$1"
source_dir="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# shellcheck source=/dev/null
source "$source_dir/resources/completion/prevora-cli" || fail "the completion does not load"
complete -p prevora-cli >/dev/null 2>&1 || fail "the completion does not register for prevora-cli"

# offers EXPECTED WORD...: completes the last word of `prevora-cli WORD...`.
offers() {
  local expected=$1
  shift
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _prevora_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | paste -sd' ')
  [ "$got" = "$expected" ] || fail "prevora-cli $* <TAB>: got '$got', expected '$expected'"
}

cd "$work" || exit 1
mkdir folder
touch a.plan "two words.plan" notes.txt out.pdf picture.png picture.bmp

offers "--help check diff explain forecast frontier graph new print-graph print-plan report sample sensitivity simulate solve strategies" ""
offers "print-graph print-plan" pr
offers "a.plan folder two words.plan" forecast ""
offers "two words.plan" check tw
offers "--all-fields --convert --current-dollars --deflation --fill-ages --fill-bracket --fill-into --format --help --history --history-start --home-equity-limit --past-inflation --rates --start-at --tax-rules --withdrawal-order" forecast a.plan --
offers "--current-dollars --curves" print-graph a.plan --pdf out.pdf --cu
offers "csv json text tsv" forecast a.plan --format ""
offers "json text" check a.plan --format ""
offers "csv" forecast a.plan --format c
offers "folder out.pdf" print-plan a.plan --pdf ""
offers "folder picture.bmp picture.png" graph a.plan --out ""
offers "" graph a.plan --size ""
offers "a.plan folder two words.plan" forecast --current-dollars ""
offers "--convert --current-dollars --deflation --depth --field --fill-ages --fill-bracket --fill-into --format --help --history --history-start --home-equity-limit --past-inflation --rates --start-at --tax-rules --withdrawal-order --year" explain a.plan --
offers "json text" explain a.plan --format ""
offers "curve law" forecast a.plan --tax-rules ""
offers "first-design floor" forecast a.plan --home-equity-limit ""
offers "first-year retirement" forecast a.plan --start-at ""
offers "roth taxable" simulate a.plan --fill-into ""
offers "0 10 12 22 24 32" solve a.plan --fill-bracket ""
offers "" forecast a.plan --withdrawal-order ""
echo "completion: ok"
