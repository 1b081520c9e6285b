#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop expects: the
# program, its data files, the icons, a valid desktop entry and valid AppStream metainfo.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/bin/quintor" ] || fail "program not installed"
for f in leicht.qnt mittel.qnt schwer.qnt extrem.qnt Quintor.chm Quintor.hlp; do
  [ -s "$prefix/share/quintor/$f" ] || fail "data file $f missing"
done
for s in 16 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${s}x${s}/apps/de.velmo.Quintor.png" ] || fail "icon $s missing"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/de.velmo.Quintor.svg" ] || fail "svg icon missing"
desktop-file-validate "$prefix/share/applications/de.velmo.Quintor.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$prefix/share/metainfo/de.velmo.Quintor.metainfo.xml" >/dev/null ||
  fail "metainfo invalid"
echo "install layout ok"
