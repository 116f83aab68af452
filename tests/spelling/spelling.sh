#!/usr/bin/env bash
# Spelling of every text a user reads: the strings of the program's sources
# (pages, menus, tooltips, messages, the command-line tool's words) and the
# help documents. Words hunspell's en_US lacks but the program means are in
# words.txt beside this script; a new word goes there, a typo gets fixed.
set -euo pipefail
source_dir=${1:?usage: spelling.sh SOURCE_DIR}
here=$(cd "$(dirname "$0")" && pwd)
words=$here/words.txt
command -v hunspell >/dev/null || { echo "hunspell is not installed (scripts/deps.sh installs it)"; exit 1; }

# The string literals of the sources, escapes turned into blanks, without
# include lines and comments. Identifiers (object names, settings keys,
# format fields) are not words a user reads: tokens with digits, underscores,
# slashes or an inner capital letter are left out.
strings() {
  find "$source_dir/src" -name '*.cpp' -o -name '*.h' | sort | xargs perl -0777 -ne '
    s{^\s*#\s*include.*$}{}mg;
    s{__asm__\([^;]*;}{}g;
    s{(?<![:"])//[^\n]*}{}g;
    while (/"((?:[^"\\\n]|\\.)*)"/g) {
      my $s = $1;
      $s =~ s/\\[rnt]/ /g;
      $s =~ s/%[-+ #0-9.*]*[a-zA-Z]+/ /g;
      $s =~ s/\\"/"/g;
      $s =~ s/&(?=\w)//g;
      print "$s\n";
    }'
}

unknown=$( {
  strings | tr -s " \t" "\n\n" | sed -E 's/^[^[:alnum:]]+//; s/[^[:alnum:]]+$//' |
    grep -vE "[0-9_/\\\\%@{}]|[a-z][A-Z]" | hunspell -d en_US -p "$words" -l
  for page in "$source_dir"/resources/help/*.html "$source_dir"/resources/Help_HTM.htm "$source_dir"/resources/about.html; do
    hunspell -d en_US -p "$words" -H -l "$page"
  done
} | sort -u)

if [ -n "$unknown" ]; then
  echo "Words not in the dictionary nor in tests/spelling/words.txt:"
  echo "$unknown"
  exit 1
fi
echo "spelling: every word is known"
