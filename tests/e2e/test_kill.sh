#!/usr/bin/env bash
# The game in progress when the program ends without the quit question: killed (kill -9) a
# moment after an entry, the entry is in spielstand.qnt; ended by SIGTERM (a logout) after a
# timed game was left with Abbruch, the file keeps it untimed. A temporary file that a kill
# in the middle of a save left behind is gone after the next start.
source "$(dirname "$0")/lib.sh"

state="$e2e_work/spielstand.qnt"
# byte_at OFFSET: the unsigned byte at OFFSET of spielstand.qnt.
byte_at() { od -An -tu1 -j "$1" -N1 "$state" | tr -d ' '; }
# After the 18 header bytes: difficulty, error count (2), flags (bit 0: timed), time (4),
# then cellValue in the board file's byte order.
timed() { echo $(($(byte_at 21) & 1)); }
cell_of_grid0() { byte_at $((26 + 5 * $1 + 50 * $2)); }

start_display
start_game
find_start_origin
new_game_by_menu
first_empty_cell "$e2e_work/game.png"
c=$e2e_c r=$e2e_r
xdotool mousemove "$((e2e_ox + 15 + 33 * (c - 1) + 16))" "$((e2e_oy + 15 + 33 * (r - 1) + 16))" click 1
sleep 0.7
keys 5
sleep 1.5 # no further event: the write must not wait for one
kill -9 "$e2e_game_pid"
wait "$e2e_game_pid" 2>/dev/null || true
e2e_game_pid=""
[ -s "$state" ] || fail "no spielstand.qnt after kill -9"
[ "$(cell_of_grid0 "$c" "$r")" = "5" ] || fail "the entry in cell ($c, $r) was lost by kill -9"
[ "$(timed)" = "1" ] || fail "the new game was not kept as timed"

stale="$e2e_work/spielstand.qnt.tmp999999999.1" # no process has this number
echo "half written" >"$stale"
start_game
sleep 0.5
keys alt+j # "Letztes Spiel fortsetzen?" JA: the timed game again
sleep 1
find_game_window
xdotool windowfocus --sync "$e2e_window"
keys a # Abbruch: the game is no longer timed
sleep 1.5
[ ! -e "$stale" ] || fail "the temporary file of a killed save is still there"
kill -TERM "$e2e_game_pid"
wait_exit 5
[ "$e2e_status" != "running" ] || fail "the game did not end on SIGTERM"
[ "$(timed)" = "0" ] || fail "a game left with Abbruch is timed again after SIGTERM"
[ "$(cell_of_grid0 "$c" "$r")" = "5" ] || fail "the entry in cell ($c, $r) was lost by SIGTERM"
echo "PASS: entry kept across kill -9, timing as it stood across SIGTERM, stale file removed"
