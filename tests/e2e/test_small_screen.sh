#!/usr/bin/env bash
# The real game on a laptop screen (1366 x 768) under a window manager: the whole window,
# frame and title bar included, stands on the screen, the picture scaled to fit, and a game
# can be played to a digit in a cell with clicks at the scaled board coordinates.
source "$(dirname "$0")/lib.sh"

start_display 1366x768
start_game
frame_geometry
[ "$e2e_fx" -ge 0 ] && [ "$e2e_fy" -ge 0 ] && [ $((e2e_fx + e2e_fw)) -le 1366 ] &&
  [ $((e2e_fy + e2e_fh)) -le 768 ] ||
  fail "the window ($e2e_fx, $e2e_fy) ${e2e_fw}x$e2e_fh is not wholly on the 1366 x 768 screen"

shot="$e2e_work/start.png"
screenshot "$shot"
find_origin "$shot"
# The scale and the picture's corner: the drawing area is the client area below the menu
# bar; the picture is centred in it.
info="$(xwininfo -id "$e2e_window")"
cw="$(awk '/^ *Width:/ { print $NF }' <<<"$info")"
ch="$(awk '/^ *Height:/ { print $NF }' <<<"$info")"
client_origin
ah=$((ch - (e2e_oy - Y)))
read -r s px py < <(awk -v w="$cw" -v h="$ah" 'BEGIN {
  s = w / 1052; if (h / 787 < s) s = h / 787
  printf "%.4f %d %d\n", s, int((w - 1052 * s) / 2), int((h - 787 * s) / 2) }')
awk -v s="$s" 'BEGIN { exit !(s < 1 && s >= 0.5) }' || fail "scale $s on a 1366 x 768 screen"
at() { awk -v s="$s" -v v="$1" 'BEGIN { printf "%d\n", v * s + 0.5 }'; }

keys alt+q
keys n
sleep 1.5
game="$e2e_work/game.png"
screenshot "$game"
# An empty cell of grid 0 (its middle is plain white), clicked at its scaled centre.
cell=""
for r in 1 2 3 4 5 6 7 8 9; do
  for c in 1 2 3 4 5 6 7 8 9; do
    x=$((e2e_ox + px + $(at $((15 + 33 * (c - 1) + 8)))))
    y=$((e2e_oy + py + $(at $((15 + 33 * (r - 1) + 8)))))
    m="$(convert "$game" -crop "$(at 17)x$(at 17)+$x+$y" +repage -colorspace gray -format '%[fx:minima]' info:)"
    if [ "$m" = "1" ]; then cell="$c $r"; break 2; fi
  done
done
[ -n "$cell" ] || fail "no empty cell in grid 0: no new game on the screen?"
read -r c r <<<"$cell"
cx=$((e2e_ox + px + $(at $((15 + 33 * (c - 1) + 16)))))
cy=$((e2e_oy + py + $(at $((15 + 33 * (r - 1) + 16)))))
xdotool mousemove "$cx" "$cy" click 1
sleep 0.7
keys 5
entered="$e2e_work/entered.png"
screenshot "$entered"
half=$(at 13)
coloured="$(convert "$entered" -crop "$((2 * half))x$((2 * half))+$((cx - half))+$((cy - half))" +repage -depth 8 txt:- |
  grep -ciE 'srgb\((0,0,188|255,0,0)\)|#(0000BC|FF0000)' || true)"
[ "${coloured:-0}" -gt 10 ] || fail "no blue or red digit in cell ($c, $r) of grid 0 at scale $s"

keys a
keys alt+q
keys b
keys alt+j
wait_exit 10
[ "$e2e_status" = "0" ] || fail "the game did not end with status 0 after JA (status $e2e_status)"
echo "PASS: scale $s, digit entered in cell ($c, $r) of grid 0"
