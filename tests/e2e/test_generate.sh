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

first_empty_cell "$game"
c=$e2e_c r=$e2e_r
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
[ "${coloured:-0}" -gt 10 ] || fail "no blue or red digit in cell ($c, $r) of the generated puzzle"
echo "PASS: generated puzzle played: digit entered in cell ($c, $r) of grid 0"
