#!/usr/bin/env bash
# The real game under Xvfb as a screen reader sees it: in a session bus of its own with the
# accessibility bus (at-spi2) running, the board must appear over AT-SPI as a table of 369
# cells, and a digit typed at the cell cursor must change that cell's accessible text
# (tests/e2e/accessible_board.py). Skipped (status 77) only when the buses cannot start.
set -euo pipefail
if [ -z "${E2E_SESSION_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: no dbus-run-session"; exit 77; }
  exec dbus-run-session -- env E2E_SESSION_BUS=1 bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher="$candidate" && break
done
[ -n "$launcher" ] || { echo "SKIP: no at-spi-bus-launcher"; exit 77; }
# Debian's own Python, where python3-pyatspi lives (another python3 may come first in PATH).
python=/usr/bin/python3
[ -x "$python" ] || python=python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing (scripts/deps.sh)"

start_display
# Settings in memory: the test never writes the user's desktop settings.
GSETTINGS_BACKEND=memory "$launcher" --launch-immediately >"$e2e_work/at-spi.log" 2>&1 &
launcher_pid=$!
# The game keeps its game in progress when it is ended, and the bus launcher its log: both
# are waited for before the working directory goes.
a11y_cleanup() {
  if [ -n "$e2e_game_pid" ]; then
    kill "$e2e_game_pid" 2>/dev/null || true
    wait "$e2e_game_pid" 2>/dev/null || true
    e2e_game_pid=""
  fi
  kill "$launcher_pid" 2>/dev/null || true
  wait "$launcher_pid" 2>/dev/null || true
  e2e_cleanup
}
trap a11y_cleanup EXIT
bus_up=""
for _ in $(seq 1 100); do
  if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1; then
    bus_up=1
    break
  fi
  kill -0 "$launcher_pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$bus_up" ] || { echo "SKIP: the accessibility bus did not start: $(cat "$e2e_work/at-spi.log")"; exit 77; }
# Accessibility on, as a desktop with a screen reader running has it.
a11y_status() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties."$@" >/dev/null
}
a11y_status Set string:org.a11y.Status string:IsEnabled variant:boolean:true
a11y_status Set string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true

start_game
"$python" "$(dirname "$0")/accessible_board.py" || fail "$(tail -n 20 "$e2e_work/game.log")"
