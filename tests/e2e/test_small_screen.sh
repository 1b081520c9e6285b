#!/usr/bin/env bash
# The real game on a screen lower than the window (1280 x 800) under a window manager: the
# window's title bar stands on the screen (the frame's top edge at y 0), so the window can
# still be moved, and the game still reacts to the menu.
source "$(dirname "$0")/lib.sh"

start_display 1280x800
start_game
frame_geometry
[ "$e2e_fy" -eq 0 ] || fail "the window's frame starts at y $e2e_fy, not on the screen's top edge"

keys alt+q
keys b
keys alt+j
wait_exit 10
[ "$e2e_status" = "0" ] || fail "the game did not end with status 0 after JA (status $e2e_status)"
echo "PASS"
