#!/usr/bin/env bash
# Makes the screenshots of the desktop listing (the AppStream metainfo) from the real game
# window under Xvfb and openbox, driven by keys as the end-to-end tests drive it:
#   start.png        the start screen
#   game.png         a new game at Leicht with the candidates shown, the cell cursor and a hint
#   halloffame.png   the hall of fame over the game, with a few entries
# Each picture is the game window with its frame as openbox draws it, 8-bit RGB without time
# stamps or other metadata (a new game is drawn at random, so each run shows another puzzle).
#   scripts/screenshots.sh [PROGRAM [OUTPUT_DIR]]
# (defaults: build/quintor, built first with the data files, and docs/screenshots). The
# pictures are installed with the game under share/quintor/screenshots; the metainfo names
# them at the project's web address.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-}"
out="$(realpath -m "${2:-$root/docs/screenshots}")"
if [ -z "$program" ]; then
  "$root/scripts/deps.sh"
  cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
  cmake --build "$root/build" --target quintor quintor_data >/dev/null
  program="$root/build/quintor"
fi

# The game's working folder: the collections and the manual, and a hall of fame with a
# few entries on the Mittel tab (Windows-1252 text, CR LF, three lines per rank).
data="$(mktemp -d)"
cp "$root"/data/*.qnt "$root"/data/Quintor*.chm "$root"/data/Quintor*.hlp "$data"/
python3 - "$data/Champions.Rhm" <<'PY'
import sys
entries = {1: [("Greta", "02.12.2026", "00:21:07.4"), ("Jonas", "28.11.2026", "00:24:51.0"),
               ("Anna", "05.12.2026", "00:26:13.8"), ("Lukas", "30.11.2026", "00:33:40.2"),
               ("Mia", "07.12.2026", "00:41:05.6")]}
lines = []
for level in range(4):
    ranks = entries.get(level, [])
    for rank in range(10):
        lines += list(ranks[rank]) if rank < len(ranks) else ["", "", "9"]
open(sys.argv[1], "wb").write("".join(l + "\r\n" for l in lines).encode("cp1252"))
PY

source "$root/tests/e2e/lib.sh" "$program" "$data"
trap 'e2e_cleanup; rm -rf "$data"' EXIT
export HOME="$e2e_work/home"
mkdir -p "$HOME" "$out"
start_display 1600x1200
start_game

# The game window with its frame, cut from the whole screen.
shoot() {
  local whole="$e2e_work/whole.png"
  sleep 0.7
  screenshot "$whole"
  frame_geometry
  convert "$whole" -crop "${e2e_fw}x${e2e_fh}+${e2e_fx}+${e2e_fy}" +repage -alpha off \
    -depth 8 -strip -define png:compression-level=9 "$out/$1"
  echo "$out/$1: ${e2e_fw}x${e2e_fh}"
}

# Waits for a window whose title matches $1 and gives it the keyboard.
focus_window() {
  local id=""
  for _ in $(seq 1 50); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window \"$1\""
  xdotool windowfocus --sync "$id"
}

xdotool mousemove 0 0
shoot start.png

keys alt+q n # Neues Spiel (Leicht)
sleep 1
keys m       # the candidates in every empty cell (the clock stops)
# The cell cursor four cells right and three down from the top-left corner of grid 0.
xdotool key --clearmodifiers --delay 60 Right Right Right Right Right Down Down Down
keys t       # the next logical step
shoot game.png

keys Escape     # leave the game
keys alt+w r    # Schwierigkeit > Ruhmeshalle
focus_window 'Ruhmeshalle'
xdotool key --clearmodifiers ctrl+Tab # the Mittel tab
shoot halloffame.png
keys Escape
