#!/usr/bin/env bash
# Installs the build under another prefix than the configured one and checks what a desktop
# expects (program, data files, icons, a valid desktop entry and metainfo); then starts the
# installed program under Xvfb and a window manager, with a clean home and an empty working
# directory, and plays a new game to a digit in a cell. The game must have found its data
# beside its own program and copied it into ~/.local/share/quintor.
set -euo pipefail
build="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$(mktemp -d)/elsewhere"
trap 'rm -rf "$(dirname "$prefix")"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/quintor" ] || fail "program not installed"
[ "$("$prefix/bin/quintor-puzzle" levels | head -n1)" = Einsteiger ] ||
  fail "quintor-puzzle not installed beside the game"
data_files=(leicht.qnt mittel.qnt schwer.qnt extrem.qnt Quintor.chm Quintor.hlp Quintor_en.chm
  Quintor_en.hlp)
for f in "${data_files[@]}"; do
  [ -s "$prefix/share/quintor/$f" ] || fail "data file $f missing"
done
for s in 16 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${s}x${s}/apps/de.velmo.quintor.png" ] || fail "icon $s missing"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/de.velmo.quintor.svg" ] || fail "svg icon missing"
desktop-file-validate "$prefix/share/applications/de.velmo.quintor.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$prefix/share/metainfo/de.velmo.quintor.metainfo.xml" >/dev/null ||
  fail "metainfo invalid"

# The installed game, started in an empty working directory (no data copied: the second
# argument names no folder).
prefix_root="$(dirname "$prefix")"
source "$here/../e2e/lib.sh" "$prefix/bin/quintor" "$prefix_root/no-data"
source "$here/play.sh"
trap 'e2e_cleanup; rm -rf "$prefix_root"' EXIT
clean_home
start_display
start_game
play_new_game_digit

user="$HOME/.local/share/quintor"
for f in "${data_files[@]}"; do
  cmp -s "$prefix/share/quintor/$f" "$user/$f" || fail "no per-user copy of $f in $user"
done
[ -z "$(ls -A "$e2e_work" | grep -vxE 'home|game.log|xvfb.log|xvfb.display|openbox.log|.*\.png')" ] ||
  fail "the game wrote into its start directory: $(ls -A "$e2e_work")"
echo "PASS: installed game under $prefix played; data copied to $user"
