#!/usr/bin/env bash
# The real game under Xvfb: "&Rätsel erzeugen ..." by its menu keys, the dialog confirmed
# with Enter (the easiest level), the generated puzzle played from the keyboard: the cursor
# moved to the first empty cell of the top-left grid and a digit typed there, which must
# stand in blue or red.
source "$(dirname "$0")/lib.sh"

start_display
start_game
find_start_origin

keys alt+q
keys r
sleep 0.5
keys Return
game="$e2e_work/game.png"
# The generator runs beside its progress window, titled as the dialog: wait until both are gone.
for _ in $(seq 1 60); do
  sleep 0.5
  [ -z "$(xdotool search --onlyvisible --name 'Rätsel erzeugen' 2>/dev/null || true)" ] && break
done
sleep 0.5
screenshot "$game"

type_digit_at_first_empty_cell "$game" 5
echo "PASS: generated puzzle played: digit entered in cell ($e2e_c, $e2e_r) of grid 0"
