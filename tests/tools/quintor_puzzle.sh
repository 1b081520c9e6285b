#!/usr/bin/env bash
# The command-line tool driven as a puzzle maker does: each command, a seed that gives the
# same puzzle twice, the solution that completes the puzzle, and status 2 with a German
# message on bad usage and bad input.
# Argument: the built quintor-puzzle.
set -euo pipefail
tool="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# levels: the five names, easiest first.
[ "$("$tool" levels)" = "$(printf 'Einsteiger\nFortgeschritten\nKenner\nMeister\nGroßmeister')" ] ||
  fail "levels: $("$tool" levels)"

# generate: a level by number or name, the same puzzle for the same seed, another for another.
"$tool" generate --level 2 --seed 11 --symmetric >"$work/a.txt"
"$tool" generate --seed 11 --level fortgeschritten --symmetric >"$work/b.txt"
"$tool" generate --level 2 --seed 12 --symmetric >"$work/c.txt"
cmp -s "$work/a.txt" "$work/b.txt" || fail "seed 11 gave two puzzles"
! cmp -s "$work/a.txt" "$work/c.txt" || fail "seeds 11 and 12 gave one puzzle"
[ "$(wc -l <"$work/a.txt")" = 21 ] || fail "generated puzzle not 21 lines"
awk 'length($0) > 21 { exit 1 }' "$work/a.txt" || fail "generated line longer than 21"
# Point-symmetric: the text read backwards, line by line and character by character, holds
# its digits in the same places.
shape() { sed 's/[1-9]/x/g' "$1" | awk '{ printf "%-21s\n", $0 }'; }
[ "$(shape "$work/a.txt")" = "$(shape "$work/a.txt" | rev | tac)" ] || fail "not point-symmetric"

# grade: the level's own technique, and a number of steps.
grade="$("$tool" grade "$work/a.txt")"
[ "$(sed -n 1p <<<"$grade")" = "Technik: Gesperrter Kandidat" ] || fail "grade: $grade"
grep -qxE 'Schritte: [1-9][0-9]*' <<<"$grade" || fail "grade steps: $grade"

# solve: one solution from the standard input, full, and keeping every given.
"$tool" solve - <"$work/a.txt" >"$work/solved.txt"
[ "$(head -n1 "$work/solved.txt")" = 1 ] || fail "solve count: $(head -n1 "$work/solved.txt")"
tail -n +2 "$work/solved.txt" >"$work/solution.txt"
[ "$(wc -l <"$work/solution.txt")" = 21 ] || fail "solution not 21 lines"
! grep -q '\.' "$work/solution.txt" || fail "solution has empty cells"
paste -d '\n' "$work/a.txt" "$work/solution.txt" | awk '
  NR % 2 == 1 { p = $0; next }
  { for (i = 1; i <= length(p); ++i) { c = substr(p, i, 1); if (c ~ /[1-9]/ && c != substr($0, i, 1)) exit 1 } }' ||
  fail "solution differs from a given"
# The solution itself is solved, a puzzle with a given taken out has two or more solutions
# once the search cannot tell (an empty field), and a clash in the solution none.
[ "$("$tool" solve "$work/solution.txt" | head -n1)" = 1 ] || fail "full board not one solution"
sed 's/[1-9]/./g' "$work/a.txt" >"$work/empty.txt"
[ "$("$tool" solve "$work/empty.txt")" = 2 ] || fail "empty field: $("$tool" solve "$work/empty.txt")"

# Bad usage and bad input: status 2 and a German message naming the place.
expect_bad() {
  local what="$1" pattern="$2"
  shift 2
  local status=0
  "$@" >"$work/out" 2>"$work/err" </dev/null || status=$?
  [ "$status" = 2 ] || fail "$what: status $status"
  [ ! -s "$work/out" ] || fail "$what: output on standard output"
  grep -q "$pattern" "$work/err" || fail "$what: message $(cat "$work/err")"
}
expect_bad "no command" "Es fehlt ein Befehl" "$tool"
expect_bad "unknown command" "Unbekannter Befehl" "$tool" play
expect_bad "unknown level" "Unbekannte Stufe „6“" "$tool" generate --level 6 --seed 1
expect_bad "bad seed" "Ungültiger Startwert „-1“" "$tool" generate --level 1 --seed -1
expect_bad "no seed" "Der Startwert fehlt" "$tool" generate --level 1
expect_bad "missing file" "„$work/none.txt“ kann nicht gelesen werden" "$tool" grade "$work/none.txt"
printf '1234\n' >"$work/short.txt"
expect_bad "wrong size" "Der Text hat 1 Zeile" "$tool" solve "$work/short.txt"
# A digit twice in a row of grid 1: the clash named with its cell.
sed '1s/^\(.\)./\1\1/' "$work/solution.txt" >"$work/clash.txt"
expect_bad "clash" "Gitter 1, Zeile 1" "$tool" solve "$work/clash.txt"
sed '1s/^./x/' "$work/a.txt" >"$work/letter.txt"
expect_bad "bad character" "„x“ ist keine Ziffer" "$tool" grade "$work/letter.txt"
expect_bad "several solutions" "mehr als eine Lösung" "$tool" grade "$work/empty.txt"
echo "PASS: quintor-puzzle levels, generate, grade, solve and its errors"
