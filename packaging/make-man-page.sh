#!/usr/bin/env bash
# Writes the program's man page from its own --help texts, so that the page says what
# the program says. Usage: make-man-page.sh PROGRAM VERSION OUTPUT
set -euo pipefail
program=$1 version=$2 output=$3

# A help text as roff: options and subcommands as tagged paragraphs, other lines as text.
as_roff() {
  sed -e 's/\\/\\e/g' -e 's/^\./\\\&./' -e "s/^'/\\\\\&'/" | awk '
    /^(Options|Subcommands|Positionals):$/ { print ".SS " substr($0, 1, length($0) - 1); next }
    /^  [^ ]/ {
      line = $0; sub(/^  /, "", line)
      split(line, parts, /  +/); name = parts[1]; text = substr(line, length(name) + 1)
      sub(/^ +/, "", text); print ".TP"; print "\\fB" name "\\fR"; if (text != "") print text; next
    }
    /^$/ { print ".PP"; next }
    { print }'
}

subcommands=$("$program" --help | awk '/^Subcommands:$/ { on = 1; next } on && /^  [^ ]/ { print $1 }')
{
  echo ".TH ORVAN-SYSMAINTAIN 1 \"\" \"orvan-sysmaintain $version\" \"User Commands\""
  echo ".SH NAME"
  echo "orvan-sysmaintain \\- maintain the system parameters of the supply-chain modules"
  echo ".SH SYNOPSIS"
  "$program" --help | grep -m1 '^Usage:' | sed 's/^Usage: //' | as_roff
  echo ".SH DESCRIPTION"
  "$program" --help | sed '1,/^Usage:/d' | as_roff
  for command in $subcommands; do
    echo ".SH \"$(echo "$command" | tr '[:lower:]' '[:upper:]')\""
    "$program" "$command" --help | sed '/^Usage:/d' | as_roff
  done
  echo ".SH FILES"
  echo ".TP"
  echo "\\fI\$XDG_CONFIG_HOME/orvan-sysmaintain\\fR"
  echo "The user's window settings and login."
  echo ".SH SEE ALSO"
  echo "The scripting guide, docs/scripting.md, in the program's sources."
} > "$output"
