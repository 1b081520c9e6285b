#!/usr/bin/env bash
# The real game under Xvfb, played from the keyboard alone: "&Neues Spiel" by its menu keys,
# the cell cursor shown and moved with the arrow keys to the first empty cell of the
# top-left grid, a digit typed there. The digit must stand in blue or red in that cell.
source "$(dirname "$0")/lib.sh"

start_display
start_game
find_start_origin

new_game_by_menu
game="$e2e_work/game.png"

first_empty_cell "$game"
c=$e2e_c r=$e2e_r

# The first arrow key shows the cursor on the top-left cell; then right and down to the cell.
moves=(Right)
for _ in $(seq 2 "$c"); do moves+=(Right); done
for _ in $(seq 2 "$r"); do moves+=(Down); done
xdotool key --clearmodifiers --delay 60 "${moves[@]}"
sleep 0.5
keys 5
entered="$e2e_work/entered.png"
screenshot "$entered"
[ -n "${E2E_KEEP:-}" ] && cp "$entered" "$E2E_KEEP"
cx=$((e2e_ox + 15 + 33 * (c - 1) + 16))
cy=$((e2e_oy + 15 + 33 * (r - 1) + 16))
coloured="$(convert "$entered" -crop "27x27+$((cx - 13))+$((cy - 13))" +repage -depth 8 txt:- |
  grep -ciE 'srgb\((0,0,188|255,0,0)\)|#(0000BC|FF0000)' || true)"
[ "${coloured:-0}" -gt 10 ] || fail "no blue or red digit in cell ($c, $r) of grid 0"

# Esc leaves the game as defined.
keys Escape
sleep 0.5
left="$e2e_work/left.png"
screenshot "$left"
expect_pixel "$left" 100 740 "180,201,208" "button bar erased after Esc"
echo "PASS: digit entered from the keyboard in cell ($c, $r) of grid 0"
