#!/usr/bin/env bash
# The real game under Xvfb: "&Neues Spiel" from the menu, one empty cell of the top-left
# grid clicked and a digit typed, the game left with the Abbruch button. The digit must
# stand in blue or red inside that cell (its lines excluded), and the button bar must be gone afterwards.
source "$(dirname "$0")/lib.sh"

start_display
start_game
find_start_origin

# "&Quintor" > "&Neues Spiel".
new_game_by_menu
game="$e2e_work/game.png"
[ -n "${E2E_KEEP:-}" ] && cp "$game" "$E2E_KEEP"
# The button bar stands: Laden's hot letter is dark red at x 59..67.
red="$(convert "$game" -crop "12x20+$((e2e_ox + 57))+$((e2e_oy + 729))" +repage -depth 8 txt:- |
  grep -ciE 'srgb\(208,0,0\)|#D00000' || true)"
[ "${red:-0}" -gt 5 ] || fail "no dark red hot letter L on the Laden button"

first_empty_cell "$game"
c=$e2e_c r=$e2e_r
cx=$((e2e_ox + 15 + 33 * (c - 1) + 16))
cy=$((e2e_oy + 15 + 33 * (r - 1) + 16))

xdotool mousemove "$cx" "$cy" click 1
sleep 0.7
keys 5
entered="$e2e_work/entered.png"
screenshot "$entered"
[ -n "${E2E_KEEP:-}" ] && cp "$entered" "$E2E_KEEP.entered.png"
# QUINTOR_SCREENSHOT=FILE keeps the window of this game in progress (the README's picture).
if [ -n "${QUINTOR_SCREENSHOT:-}" ]; then
  client_origin
  convert "$entered" -crop "1052x$((e2e_oy - Y + 787))+$X+$Y" +repage "$QUINTOR_SCREENSHOT"
fi
coloured="$(convert "$entered" -crop "27x27+$((cx - 13))+$((cy - 13))" +repage -depth 8 txt:- |
  grep -ciE 'srgb\((0,0,188|255,0,0)\)|#(0000BC|FF0000)' || true)"
[ "${coloured:-0}" -gt 10 ] || fail "no blue or red digit in cell ($c, $r) of grid 0"

# Abbruch: the game ends and the menu command's tail erases the button bar.
xdotool mousemove $((e2e_ox + 650)) $((e2e_oy + 740)) click 1
sleep 1
left="$e2e_work/left.png"
screenshot "$left"
expect_pixel "$left" 100 740 "180,201,208" "button bar erased after Abbruch"
wait_exit 1
[ "$e2e_status" = "running" ] || fail "the game ended instead of returning to the menu"
echo "PASS: digit entered in cell ($c, $r) of grid 0, game left with Abbruch"
