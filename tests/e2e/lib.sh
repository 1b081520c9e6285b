# Helpers for the end-to-end tests: a private X server with a window manager (openbox), the
# game in a temporary working directory with the data files, window lookup, keys,
# screenshots and pixel probes. Sourced by tests/e2e/test_*.sh, which get (binary, data dir)
# as arguments.
set -euo pipefail

e2e_binary="$(realpath "$1")"
e2e_data="$(realpath -m "$2")"
e2e_work="$(mktemp -d)"
e2e_xvfb_pid=""
e2e_wm_pid=""
e2e_game_pid=""
e2e_window=""

# The game answers SIGTERM by writing the game in progress into its working directory, so
# the directory is removed only once the game has ended (else rm races that write and
# fails with "Directory not empty" after the test has passed).
e2e_cleanup() {
  if [ -n "$e2e_game_pid" ] && kill "$e2e_game_pid" 2>/dev/null; then
    for _ in $(seq 1 50); do
      kill -0 "$e2e_game_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$e2e_game_pid" 2>/dev/null || true
  fi
  [ -n "$e2e_wm_pid" ] && kill "$e2e_wm_pid" 2>/dev/null || true
  [ -n "$e2e_xvfb_pid" ] && kill "$e2e_xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$e2e_work" 2>/dev/null || { sleep 0.5 && rm -rf "$e2e_work" 2>/dev/null; } || true
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb on a free display with a screen of $1 (WxH, default 1280x1024), then the window
# manager. Xvfb picks the display itself and writes its number to the file given by
# -displayfd only once it accepts connections, so no other server's display is taken and no
# client connects too early.
start_display() {
  local size="${1:-1280x1024}"
  local attempt d=""
  for attempt in 1 2 3; do
    : >"$e2e_work/xvfb.display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$e2e_work/xvfb.display" \
      >"$e2e_work/xvfb.log" 2>&1 &
    e2e_xvfb_pid=$!
    for _ in $(seq 1 150); do
      d="$(tr -dc 0-9 <"$e2e_work/xvfb.display")"
      [ -n "$d" ] && break
      kill -0 "$e2e_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -n "$d" ] && kill -0 "$e2e_xvfb_pid" 2>/dev/null &&
      xdpyinfo -display ":$d" >/dev/null 2>&1; then
      export DISPLAY=":$d"
      start_window_manager && return 0
    fi
    echo "Xvfb attempt $attempt failed: $(cat "$e2e_work/xvfb.log")" >&2
    [ -n "$e2e_wm_pid" ] && kill "$e2e_wm_pid" 2>/dev/null || true
    kill "$e2e_xvfb_pid" 2>/dev/null || true
    e2e_wm_pid="" e2e_xvfb_pid="" d=""
  done
  fail "no X display with a window manager"
}

# Starts openbox on $DISPLAY and waits until it manages windows (it announces itself on the
# root window through _NET_SUPPORTING_WM_CHECK). Returns 1 if it does not come up.
start_window_manager() {
  openbox --sm-disable >"$e2e_work/openbox.log" 2>&1 &
  e2e_wm_pid=$!
  local i
  for i in $(seq 1 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
      sleep 0.2
      return 0
    fi
    if ! kill -0 "$e2e_wm_pid" 2>/dev/null; then
      echo "openbox ended at start: $(cat "$e2e_work/openbox.log")" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "openbox does not manage the display" >&2
  return 1
}

# Sets e2e_fx, e2e_fy, e2e_fw, e2e_fh: the game window's outer rectangle on the screen,
# the window manager's frame and title bar included (client position from xwininfo, frame
# widths from _NET_FRAME_EXTENTS).
frame_geometry() {
  local info ax ay w h extents l r t b
  info="$(xwininfo -id "$e2e_window")"
  ax="$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")"
  ay="$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")"
  w="$(awk '/^ *Width:/ { print $NF }' <<<"$info")"
  h="$(awk '/^ *Height:/ { print $NF }' <<<"$info")"
  extents="$(xprop -id "$e2e_window" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')"
  [ -n "$extents" ] || fail "the window manager gave the window no frame"
  IFS=, read -r l r t b <<<"$extents"
  e2e_fx=$((ax - l))
  e2e_fy=$((ay - t))
  e2e_fw=$((w + l + r))
  e2e_fh=$((h + t + b))
}

# Starts the game in the working directory with the data files copied in and waits for
# its window; sets e2e_window and e2e_game_pid.
start_game() {
  if [ -d "$e2e_data" ]; then cp -r "$e2e_data"/. "$e2e_work"/; fi
  (cd "$e2e_work" && QT_QPA_PLATFORM=xcb exec "$e2e_binary" >"$e2e_work/game.log" 2>&1) &
  e2e_game_pid=$!
  local i
  for i in $(seq 1 100); do
    e2e_window="$(xdotool search --name 'Quintor XP V6.0 by Velmo' 2>/dev/null | head -n1 || true)"
    [ -n "$e2e_window" ] && break
    kill -0 "$e2e_game_pid" 2>/dev/null || fail "the game ended at start: $(cat "$e2e_work/game.log")"
    sleep 0.1
  done
  [ -n "$e2e_window" ] || fail "the game window did not appear"
  sleep 1
  xdotool windowfocus --sync "$e2e_window"
}

# Sets e2e_window to the game's main window again: of the visible windows with its title,
# the largest (a message box at start carries the same title and may have been found first).
find_game_window() {
  local id best="" area=0 WIDTH HEIGHT
  for id in $(xdotool search --onlyvisible --name 'Quintor XP V6.0 by Velmo' 2>/dev/null); do
    WIDTH=0 HEIGHT=0
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
    if [ $((WIDTH * HEIGHT)) -gt "$area" ]; then
      area=$((WIDTH * HEIGHT))
      best=$id
    fi
  done
  [ -n "$best" ] || fail "no visible game window"
  e2e_window=$best
}

# Sends keys to the focused window, then lets the game react.
keys() {
  xdotool key --clearmodifiers "$@"
  sleep 0.5
}

# Screenshot of the whole screen into $1.
screenshot() {
  import -window root "$1"
}

# Sets X, Y: the screen position of the game window's client area (xwininfo's absolute
# corner; xdotool's geometry counts the window manager's frame offset twice).
client_origin() {
  local info
  info="$(xwininfo -id "$e2e_window")"
  X="$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")"
  Y="$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")"
}

# Sets e2e_ox, e2e_oy: the screen position of the game's drawing area, the window's
# client origin plus the menu bar (the first row of background colour 12 at x 2).
find_origin() {
  local X Y
  client_origin
  local row
  row="$(convert "$1" -crop "1x120+$((X + 2))+$Y" +repage txt:- |
    awk -F'[,:]' '/srgb\(180,201,208\)/ { print $2; exit }' || true)"
  [ -n "$row" ] || fail "no background colour below the menu bar"
  e2e_ox=$X
  e2e_oy=$((Y + row))
}

# Colour of pixel (x, y) of image $1 as "r,g,b".
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

# Waits up to $1 seconds for the game to end; sets e2e_status to its exit status, or to
# "running".
wait_exit() {
  local i
  e2e_status="running"
  for i in $(seq 1 $(($1 * 10))); do
    if ! kill -0 "$e2e_game_pid" 2>/dev/null; then
      e2e_status=0
      wait "$e2e_game_pid" || e2e_status=$?
      e2e_game_pid=""
      return 0
    fi
    sleep 0.1
  done
}

# Checks pixel (x, y) of the drawing area in screenshot $1 against "r,g,b" $4.
expect_pixel() {
  local got
  got="$(pixel "$1" $((e2e_ox + $2)) $((e2e_oy + $3)))"
  [ "$got" = "$4" ] || fail "pixel ($2, $3): expected $4, got $got ($5)"
}

# Sets e2e_c, e2e_r to the first empty cell of grid 0 in screenshot $1, row by row (its
# inside is plain white); fails when there is none.
first_empty_cell() {
  local r c x y m
  for r in 1 2 3 4 5 6 7 8 9; do
    for c in 1 2 3 4 5 6 7 8 9; do
      x=$((e2e_ox + 15 + 33 * (c - 1) + 4))
      y=$((e2e_oy + 15 + 33 * (r - 1) + 4))
      m="$(convert "$1" -crop "25x25+$x+$y" +repage -colorspace gray -format '%[fx:minima]' info:)"
      if [ "$m" = "1" ]; then
        e2e_c=$c e2e_r=$r
        return 0
      fi
    done
  done
  fail "no empty cell in grid 0: no new game on the screen? $(cat "$e2e_work/game.log" 2>/dev/null)"
}

# Screenshot $e2e_work/start.png of the game as it started, and the drawing area's origin.
find_start_origin() {
  screenshot "$e2e_work/start.png"
  find_origin "$e2e_work/start.png"
}

# "&Quintor" > "&Neues Spiel" by keyboard; the new game's screenshot is $e2e_work/game.png.
new_game_by_menu() {
  keys alt+q
  keys n
  sleep 1.5
  screenshot "$e2e_work/game.png"
}

# Moves the cell cursor from the keyboard to the first empty cell of grid 0 in screenshot $1
# (the first arrow key shows the cursor on the top-left cell, then right and down), types
# digit $2 there and checks that it stands in blue or red; the screenshot after the digit is
# $e2e_work/entered.png (also kept as $E2E_KEEP when set). Sets e2e_c, e2e_r to the cell.
type_digit_at_first_empty_cell() {
  first_empty_cell "$1"
  local c=$e2e_c r=$e2e_r moves=(Right) entered="$e2e_work/entered.png" cx cy coloured
  for _ in $(seq 2 "$c"); do moves+=(Right); done
  for _ in $(seq 2 "$r"); do moves+=(Down); done
  xdotool key --clearmodifiers --delay 60 "${moves[@]}"
  sleep 0.5
  keys "$2"
  screenshot "$entered"
  [ -n "${E2E_KEEP:-}" ] && cp "$entered" "$E2E_KEEP"
  cx=$((e2e_ox + 15 + 33 * (c - 1) + 16))
  cy=$((e2e_oy + 15 + 33 * (r - 1) + 16))
  coloured="$(convert "$entered" -crop "27x27+$((cx - 13))+$((cy - 13))" +repage -depth 8 txt:- |
    grep -ciE 'srgb\((0,0,188|255,0,0)\)|#(0000BC|FF0000)' || true)"
  [ "${coloured:-0}" -gt 10 ] || fail "no blue or red digit in cell ($c, $r) of grid 0"
}
