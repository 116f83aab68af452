# Turns a program's --help text into the SYNOPSIS, DESCRIPTION and further
# sections of a man page (roff), so the page says what the program says.
#
#   "Usage: X" or "Usage:" and indented lines    SYNOPSIS, one usage a line
#   "Heading:" alone or with text after it        a section named HEADING
#   "  term   text" (two-space indent, gap)       a tagged paragraph
#   deeper indented lines after such a term       more of its text
#   other indented lines                          lines kept as they are
#   plain lines                                   filled paragraphs
# Text before the first heading, and plain text after the usage lines, is
# the description.

function escaped(s) {
  gsub(/\\/, "\\e", s)
  gsub(/-/, "\\-", s)
  if (s ~ /^[.']/) s = "\\&" s
  return s
}

function begin_section(name) {
  current = name
  if (!(name in body)) {
    body[name] = ""
    if (name != "SYNOPSIS" && name != "DESCRIPTION") order[++others] = name
  }
  open_paragraph = 0
  mode = ""
}

function emit(line) { body[current] = body[current] line "\n" }

function paragraph_line(line) {
  if (!open_paragraph && body[current] != "") emit(".PP")
  open_paragraph = 1
  emit(escaped(line))
}

function usage_line(line, first) {
  sub(/^ +/, "", line)
  first = line
  sub(/ .*/, "", first)
  emit("\\fB" escaped(first) "\\fR" escaped(substr(line, length(first) + 1)))
  emit(".br")
}

BEGIN { begin_section("DESCRIPTION") }

{ sub(/\r$/, "") }

/^[A-Z][a-z]+( [a-z]+)?:( |$)/ {
  colon = index($0, ":")
  name = toupper(substr($0, 1, colon - 1))
  if (name == "USAGE") name = "SYNOPSIS"
  begin_section(name)
  rest = substr($0, colon + 1)
  sub(/^ +/, "", rest)
  if (rest != "") {
    if (current == "SYNOPSIS") usage_line(rest)
    else paragraph_line(rest)
  }
  next
}

/^[ \t]*$/ { open_paragraph = 0; mode = ""; next }

current == "SYNOPSIS" && /^ / { usage_line($0); next }

current == "SYNOPSIS" { begin_section("DESCRIPTION") }

/^  [^ ]/ && match($0, /[^ ]  +[^ ]/) {
  term = substr($0, 3, RSTART - 2)
  text = substr($0, RSTART + 1)
  sub(/^ +/, "", text)
  emit(".TP")
  emit("\\fB" escaped(term) "\\fR")
  emit(escaped(text))
  open_paragraph = 1
  mode = "term"
  next
}

/^ / && mode == "term" { line = $0; sub(/^ +/, "", line); emit(escaped(line)); next }

/^ / {
  line = $0
  sub(/^ +/, "", line)
  if (mode != "lines" && body[current] != "") emit(".PP")
  emit(escaped(line))
  emit(".br")
  mode = "lines"
  open_paragraph = 0
  next
}

{ mode = ""; paragraph_line($0) }

END {
  if ("SYNOPSIS" in body) printf ".SH SYNOPSIS\n%s", body["SYNOPSIS"]
  if (body["DESCRIPTION"] != "") printf ".SH DESCRIPTION\n%s", body["DESCRIPTION"]
  for (i = 1; i <= others; ++i) printf ".SH %s\n%s", order[i], body[order[i]]
}
