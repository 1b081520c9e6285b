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

type_digit_at_first_empty_cell "$game" 5

# Esc leaves the game as defined.
keys Escape
sleep 0.5
left="$e2e_work/left.png"
screenshot "$left"
expect_pixel "$left" 100 740 "180,201,208" "button bar erased after Esc"
echo "PASS: digit entered from the keyboard in cell ($e2e_c, $e2e_r) of grid 0"
