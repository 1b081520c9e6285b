#!/usr/bin/env bash
# End-to-end: a new game, solved and saved into the second slot of brett.qnt through the
# slot dialog; the record must hold a complete, valid board on a shuffled collection puzzle.
# Arguments: the game binary and the data directory.
source "$(dirname "$0")/lib.sh"

# The 1000 value bytes (cellValue, givenValue) of record $2 of board file $1, one a line.
record_values() {
  od -An -tu1 -v -j $(($2 * 7000)) -N 1000 "$1" | tr -s ' ' '\n' | sed '/^$/d'
}

[ -f "$e2e_data/leicht.qnt" ] || fail "no collection file leicht.qnt in $e2e_data"

start_display
start_game

keys alt+q n # Neues Spiel (Leicht): the play loop runs
keys a       # leaves the play loop
keys alt+o b # Brett lösen
keys alt+o s # sichere Brett: the slot dialog opens

dialog=""
for _ in $(seq 1 50); do
  dialog="$(xdotool search --name 'Sichern unter \.\.\.' 2>/dev/null | head -n1 || true)"
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "the slot dialog did not open"
xdotool windowfocus --sync "$dialog"
keys 2 # the second slot, at once
xdotool windowfocus --sync "$e2e_window"
keys a # sichere Brett ends in the play loop too

brett="$e2e_work/brett.qnt"
[ -f "$brett" ] || fail "brett.qnt was not written"
[ "$(stat -c %s "$brett")" -eq 28000 ] || fail "brett.qnt is not 28000 bytes long"

# Given counts of the four collection puzzles, in double-copy form.
collection_counts="$(for r in 0 1 2 3; do
  record_values "$e2e_work/leicht.qnt" "$r" | awk 'NR > 500 && $1 != 0 { n++ } END { print n + 0 }'
done | tr '\n' ' ')"

record_values "$brett" 1 | awk -v counts="$collection_counts" '
  { v[NR - 1] = $1 }
  function cell(g, c, r) { return v[g + 5 * c + 50 * r] }
  function given(g, c, r) { return v[500 + g + 5 * c + 50 * r] }
  function bad(text) { print "FAIL: second record: " text > "/dev/stderr"; failed = 1; exit 1 }
  END {
    if (failed) exit 1
    givens = 0
    for (g = 0; g <= 4; g++) {
      for (c = 1; c <= 9; c++) for (r = 1; r <= 9; r++) {
        x = cell(g, c, r)
        if (x < 1 || x > 9) bad("cell (" g "," c "," r ") is " x)
        if (given(g, c, r) != 0) {
          givens++
          if (given(g, c, r) != x) bad("given (" g "," c "," r ") differs from its cell")
        }
      }
      # Rows, columns and boxes hold every digit once.
      for (k = 1; k <= 9; k++) {
        delete rowSeen; delete colSeen; delete boxSeen
        for (i = 1; i <= 9; i++) {
          rowSeen[cell(g, i, k)]++
          colSeen[cell(g, k, i)]++
          bc = 1 + 3 * ((k - 1) % 3) + (i - 1) % 3
          br = 1 + 3 * int((k - 1) / 3) + int((i - 1) / 3)
          boxSeen[cell(g, bc, br)]++
        }
        if (length(rowSeen) != 9) bad("grid " g " row " k " repeats a digit")
        if (length(colSeen) != 9) bad("grid " g " column " k " repeats a digit")
        if (length(boxSeen) != 9) bad("grid " g " box " k " repeats a digit")
      }
    }
    # Both copies of each shared box agree.
    split("0 7 7 2 1 1|1 1 7 2 7 1|2 1 7 3 7 1|2 7 7 4 1 1", boxes, "|")
    for (b = 1; b <= 4; b++) {
      split(boxes[b], s, " ")
      for (i = 0; i < 3; i++) for (j = 0; j < 3; j++) {
        if (cell(s[1], s[2] + i, s[3] + j) != cell(s[4], s[5] + i, s[6] + j))
          bad("the shared box " b " differs between its copies")
        if (given(s[1], s[2] + i, s[3] + j) != given(s[4], s[5] + i, s[6] + j))
          bad("the givens of shared box " b " differ between their copies")
      }
    }
    # The givens are a collection puzzle: a shuffle keeps the number of givens.
    if (givens == 0 || givens == 405) bad(givens " givens is not a puzzle")
    n = split(counts, known, " "); found = 0
    for (i = 1; i <= n; i++) if (known[i] == givens) found = 1
    if (!found) bad(givens " givens match no puzzle of leicht.qnt (" counts ")")
  }' || fail "the saved board is not a solved collection puzzle"

# The shuffle moved the givens: the given block is none of the stored puzzles.
saved_givens="$(record_values "$brett" 1 | tail -n 500 | md5sum)"
for r in 0 1 2 3; do
  [ "$(record_values "$e2e_work/leicht.qnt" "$r" | tail -n 500 | md5sum)" != "$saved_givens" ] ||
    fail "the saved givens are puzzle $r of leicht.qnt unshuffled"
done

# The other three slots are blank records.
for r in 0 2 3; do
  [ "$(record_values "$brett" "$r" | awk '$1 != 0 { n++ } END { print n + 0 }')" -eq 0 ] ||
    fail "slot $((r + 1)) of brett.qnt is not blank"
done
echo "PASS: test_boardfile"
