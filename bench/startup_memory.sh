#!/usr/bin/env bash
# Start-up time and peak memory of the real game under Xvfb.
#   start-up: wall time from process start until the first painted start screen (the
#             game ends itself after its first paint), median of 11 runs;
#   memory:   peak resident set (VmHWM) after a new game, a palette opened and a digit typed.
# Usage: bench/startup_memory.sh BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
source "$root/tests/e2e/lib.sh" "$build/quintor" "$build/data"
start_display
cp -r "$e2e_data"/. "$e2e_work"/

times=()
for _ in $(seq 1 11); do
  t0=$(date +%s%N)
  (cd "$e2e_work" && QUINTOR_EXIT_AFTER_FIRST_PAINT=1 QT_QPA_PLATFORM=xcb "$e2e_binary" >/dev/null 2>&1)
  t1=$(date +%s%N)
  times+=($(((t1 - t0) / 1000000)))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 6p)
echo "start-up to first paint: median ${median} ms (runs: ${times[*]})"

start_game
keys alt+q
keys n            # Neues Spiel
sleep 1
shot="$e2e_work/game.png"
screenshot "$shot"
find_origin "$shot"
xdotool mousemove $((e2e_ox + 30)) $((e2e_oy + 30)) click 1
sleep 0.5
keys 5
peak=$(awk '/VmHWM/ { print $2 }' "/proc/$e2e_game_pid/status")
echo "peak memory during a game: $((peak / 1024)) MB (VmHWM ${peak} kB)"
