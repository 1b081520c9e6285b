#!/usr/bin/env bash
# The real game under Xvfb with a window manager: a digit entered in a new game, the window
# closed with its close box (Alt+F4) and "Spiel beenden?" answered with JA; the program
# started again answers "Letztes Spiel fortsetzen?" with JA and shows the digit again.
source "$(dirname "$0")/lib.sh"

start_display
start_game
find_start_origin

# "&Quintor" > "&Neues Spiel", then a digit into the first empty cell of grid 0.
new_game_by_menu
game="$e2e_work/game.png"
first_empty_cell "$game"
c=$e2e_c r=$e2e_r
cx=$((e2e_ox + 15 + 33 * (c - 1) + 16))
cy=$((e2e_oy + 15 + 33 * (r - 1) + 16))
xdotool mousemove "$cx" "$cy" click 1
sleep 0.7
keys 5

# digit_shown IMAGE: the cell holds a blue or red digit.
digit_shown() {
  local n
  n="$(convert "$1" -crop "27x27+$((cx - 13))+$((cy - 13))" +repage -depth 8 txt:- |
    grep -ciE 'srgb\((0,0,188|255,0,0)\)|#(0000BC|FF0000)' || true)"
  [ "${n:-0}" -gt 10 ]
}
entered="$e2e_work/entered.png"
screenshot "$entered"
digit_shown "$entered" || fail "no digit in cell ($c, $r) before closing"

# The close box, then JA to "Spiel beenden?".
xdotool windowfocus --sync "$e2e_window"
keys alt+F4
sleep 0.5
keys alt+j
wait_exit 5
[ "$e2e_status" = "0" ] || fail "the game did not end after JA (status $e2e_status)"
[ -s "$e2e_work/spielstand.qnt" ] || fail "no spielstand.qnt after closing the window"

# Started again: JA to "Letztes Spiel fortsetzen?" puts the game back.
start_game
sleep 0.5
keys alt+j
sleep 1.5
find_game_window
again="$e2e_work/again.png"
screenshot "$again"
[ -n "${E2E_KEEP:-}" ] && cp "$again" "$E2E_KEEP"
find_origin "$again"
cx=$((e2e_ox + 15 + 33 * (c - 1) + 16))
cy=$((e2e_oy + 15 + 33 * (r - 1) + 16))
digit_shown "$again" || fail "the digit in cell ($c, $r) is not back after resuming"
echo "PASS: digit in cell ($c, $r) of grid 0 kept across closing and starting again"
