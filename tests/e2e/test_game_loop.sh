#!/usr/bin/env bash
# The real game under Xvfb through a game loop: "B&rett löschen", then "&Spielstart" by
# keyboard shows the button bar, a click on the (empty) board opens the value palette, Esc
# closes it, A leaves the game (the bar is erased again), and "&Beenden" with "&JA" ends
# with status 0.
source "$(dirname "$0")/lib.sh"

start_display
start_game
find_start_origin
shot="$e2e_work/start.png"

# Number of pixels that differ between screenshots $1 and $2 in the drawing area's
# rectangle $3 (WxH+X+Y).
differing() {
  local w="${3%%+*}" rest="${3#*+}"
  local x="${rest%%+*}" y="${rest#*+}"
  local crop="$w+$((e2e_ox + x))+$((e2e_oy + y))"
  convert "$1" -crop "$crop" +repage "$e2e_work/a.png"
  convert "$2" -crop "$crop" +repage "$e2e_work/b.png"
  local n
  n="$(compare -metric AE "$e2e_work/a.png" "$e2e_work/b.png" null: 2>&1 || true)"
  echo "${n%% *}"
}
bar="690x26+18+727"

keys alt+o
keys r
keys alt+q
keys s
sleep 1
game="$e2e_work/game.png"
screenshot "$game"
[ "$(differing "$shot" "$game" "$bar")" -gt 500 ] || fail "no button bar during the game"

xdotool mousemove $((e2e_ox + 30)) $((e2e_oy + 30)) click 1
sleep 0.7
palette="$e2e_work/palette.png"
screenshot "$palette"
d=$(differing "$game" "$palette" "60x60+15+15"); [ "$d" -gt 200 ] || fail "the click opened no value palette ($d)"

keys Escape
keys a
sleep 0.5
idle="$e2e_work/idle.png"
screenshot "$idle"
[ "$(differing "$shot" "$idle" "$bar")" -eq 0 ] || fail "the button bar was not erased after the game"

keys alt+q
keys b
keys alt+j
wait_exit 10
[ "$e2e_status" = "0" ] || fail "the game did not end with status 0 after JA (status $e2e_status)"
echo "PASS"
