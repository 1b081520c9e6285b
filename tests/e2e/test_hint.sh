#!/usr/bin/env bash
# End-to-end: a board from brett.qnt whose easiest step is a locked candidate (the 4 of the
# shared box of grids 1 and 3, locked into one row by grid 3); the hint key T writes its
# sentence into the help panel and outlines nothing (the step fills no cell yet).
# Arguments: the game binary and the data directory.
source "$(dirname "$0")/lib.sh"

start_display
start_game
cp "$(dirname "$0")/hint_brett.qnt" "$e2e_work/brett.qnt"

keys alt+q s # Spielstart: the play loop runs on the empty board
keys l       # Laden: the slot dialog opens
dialog=""
for _ in $(seq 1 50); do
  dialog="$(xdotool search --name 'Welches Brett laden\?' 2>/dev/null | head -n1 || true)"
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "the slot dialog did not open"
xdotool windowfocus --sync "$dialog"
keys 1 # the first slot, at once
xdotool windowfocus --sync "$e2e_window"
sleep 0.5

before="$e2e_work/before.png"
screenshot "$before"
find_origin "$before"
keys t
after="$e2e_work/after.png"
screenshot "$after"
[ -n "${E2E_KEEP:-}" ] && cp "$after" "$E2E_KEEP.hint.png"

# The help panel's white box: its text changed from "Bitte ein Feld anklicken!" to the hint.
crop="221x43+$((e2e_ox + 768))+$((e2e_oy + 559))"
convert "$before" -crop "$crop" +repage "$e2e_work/a.png"
convert "$after" -crop "$crop" +repage "$e2e_work/b.png"
changed="$(compare -metric AE "$e2e_work/a.png" "$e2e_work/b.png" null: 2>&1 || true)"
[ "${changed%% *}" -gt 200 ] || fail "the help panel did not change on T (${changed} pixels)"
# The hint's text runs over three lines: the third line of the box holds dark pixels now.
dark="$(convert "$e2e_work/b.png" -crop 210x12+4+30 +repage -threshold 50% -format '%[fx:int(w*h*(1-mean))]' info:)"
[ "$dark" -gt 20 ] || fail "the hint sentence does not reach the third line"

keys a # leave the game
echo "PASS: test_hint"
