# Helpers of the installed-game tests, sourced after tests/e2e/lib.sh: a clean home for the
# player and a new game played to a digit (tests/e2e/lib.sh starts the display with its
# window manager).

# A fresh, empty home: the game must create its per-user folder there by itself.
clean_home() {
  export HOME="$e2e_work/home"
  mkdir -p "$HOME"
  unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_DATA_DIRS
}

# "&Quintor" > "&Neues Spiel" by keyboard, a click into the first empty cell of grid 0 and
# the digit 5 typed into the palette: the cell must then show a blue or red digit.
play_new_game_digit() {
  local game="$e2e_work/game.png" entered="$e2e_work/entered.png"
  find_start_origin
  new_game_by_menu
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
