#!/usr/bin/env bash
# The real game under Xvfb: the start screen's defined pixels, a menu opened by keyboard,
# "Spiel beenden?" answered "&NEIN" (the window stays) and then "&JA" (exit status 0).
# On the 1280 x 1024 screen the window, frame and title bar included, stands centred and 32
# pixels higher: its frame's top-left corner is (114, 62).
source "$(dirname "$0")/lib.sh"

start_display
start_game
frame_geometry
[ "$e2e_fx,$e2e_fy" = "114,62" ] || fail "the window's frame stands at ($e2e_fx, $e2e_fy), not (114, 62)"
shot="$e2e_work/start.png"
screenshot "$shot"
find_origin "$shot"

expect_pixel "$shot" 2 2 "180,201,208" "background colour 12"
expect_pixel "$shot" 1040 100 "180,201,208" "background right of the board"
expect_pixel "$shot" 100 6 "255,255,255" "raised frame of grid 0"
expect_pixel "$shot" 100 320 "64,64,64" "shadow of grid 0's frame"
expect_pixel "$shot" 30 30 "255,255,255" "empty cell"
expect_pixel "$shot" 114 30 "0,0,188" "blue box line"
expect_pixel "$shot" 250 213 "208,0,0" "dark red shared-box outline"
expect_pixel "$shot" 350 203 "255,255,255" "top gap of the centre grid"
expect_pixel "$shot" 350 519 "0,0,0" "bottom gap of the centre grid"
expect_pixel "$shot" 300 725 "64,64,64" "sunken button-bar strip"
expect_pixel "$shot" 500 764 "255,255,255" "raised status strip"
expect_pixel "$shot" 500 786 "64,64,64" "status strip shadow"
expect_pixel "$shot" 950 680 "255,255,255" "clock label ground"
expect_pixel "$shot" 800 222 "255,255,255" "statistics panel frame"
expect_pixel "$shot" 770 690 "255,255,255" "clock panel white box"

# alt+q opens the first drop-down over the top-left grid.
keys alt+q
menu="$e2e_work/menu.png"
screenshot "$menu"
crop="120x60+$((e2e_ox + 20))+$((e2e_oy + 20))"
convert "$shot" -crop "$crop" +repage "$e2e_work/before.png"
convert "$menu" -crop "$crop" +repage "$e2e_work/after.png"
changed="$(compare -metric AE "$e2e_work/before.png" "$e2e_work/after.png" null: 2>&1 || true)"
[ "${changed%% *}" -gt 100 ] 2>/dev/null || fail "alt+q opened no menu (changed pixels: $changed)"

# Beenden, then NEIN: the game keeps running.
keys b
keys alt+n
wait_exit 1
[ "$e2e_status" = "running" ] || fail "the game ended after NEIN (status $e2e_status)"

# Beenden, then JA: the game ends with status 0.
xdotool windowfocus --sync "$e2e_window"
keys alt+q
keys b
keys alt+j
wait_exit 10
[ "$e2e_status" = "0" ] || fail "the game did not end with status 0 after JA (status $e2e_status)"
echo "PASS"
