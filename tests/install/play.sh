# Helpers of the installed-game tests, sourced after tests/e2e/lib.sh: a clean home for the
# player, a window manager on the private display, and a new game played to a digit.

# A fresh, empty home: the game must create its per-user folder there by itself.
clean_home() {
  export HOME="$e2e_work/home"
  mkdir -p "$HOME"
  unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_DATA_DIRS
}

# Starts openbox on the display unless a window manager already runs there.
ensure_window_manager() {
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then return 0; fi
  command -v openbox >/dev/null || fail "openbox is not installed (scripts/deps.sh installs it)"
  openbox --sm-disable >"$e2e_work/openbox.log" 2>&1 &
  play_wm_pid=$!
  local i
  for i in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not start: $(cat "$e2e_work/openbox.log")"
}
play_wm_pid=""
play_cleanup() {
  [ -n "$play_wm_pid" ] && kill "$play_wm_pid" 2>/dev/null || true
  e2e_cleanup
}
trap play_cleanup EXIT

# "&Quintor" > "&Neues Spiel" by keyboard, a click into the first empty cell of grid 0 and
# the digit 5 typed into the palette: the cell must then show a blue or red digit.
play_new_game_digit() {
  local start="$e2e_work/start.png" game="$e2e_work/game.png" entered="$e2e_work/entered.png"
  screenshot "$start"
  find_origin "$start"
  keys alt+q
  keys n
  sleep 1.5
  screenshot "$game"
  local c r
  first_empty_cell "$game"
  c=$e2e_c r=$e2e_r
  local cx=$((e2e_ox + 15 + 33 * (c - 1) + 16)) cy=$((e2e_oy + 15 + 33 * (r - 1) + 16))
  xdotool mousemove "$cx" "$cy" click 1
  sleep 0.7
  keys 5
  screenshot "$entered"
  local coloured
  coloured="$(convert "$entered" -crop "27x27+$((cx - 13))+$((cy - 13))" +repage -depth 8 txt:- |
    grep -ciE 'srgb\((0,0,188|255,0,0)\)|#(0000BC|FF0000)' || true)"
  [ "${coloured:-0}" -gt 10 ] || fail "no blue or red digit in cell ($c, $r) of grid 0"
  echo "digit entered in cell ($c, $r) of grid 0"
}
