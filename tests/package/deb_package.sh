#!/usr/bin/env bash
# The Debian package: scripts/package builds it (lintian must find no error or warning),
# its control fields and file list are checked, it is unpacked into a temporary root with
# dpkg -x, and the unpacked program is started under Xvfb and openbox with a clean home:
# a new game is played to a digit in a cell and the per-user data folder must appear.
# Arguments: the source folder, a build folder for the package, and optionally the build
# whose program is packed (built with Debian's flags; else the package compiles its own).
set -euo pipefail
source_dir="$(realpath "$1")"
package_build="$(realpath -m "$2")"
package_from="${3:-}"
here="$(cd "$(dirname "$0")" && pwd)"
fail() { echo "FAIL: $*" >&2; exit 1; }

version="$(sed -nE 's/^project\(Quintor VERSION ([0-9.]+) .*/\1/p' "$source_dir/CMakeLists.txt")"
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
QUINTOR_PACKAGE_BUILD="$package_build" QUINTOR_PACKAGE_FROM="$package_from" \
  "$source_dir/scripts/package" >"$package_build.log" 2>&1 ||
  { cat "$package_build.log"; fail "scripts/package failed"; }
sed -n '/^== lintian/,$p' "$package_build.log"
deb="$(tail -n1 "$package_build.log")"
[ -f "$deb" ] || fail "no package named at the end of scripts/package's output"
[ "$(basename "$deb")" = "quintor_${version}-1_$(dpkg --print-architecture).deb" ] ||
  fail "package name $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quintor ] || fail "Package: $(field Package)"
[ "$(field Version)" = "${version}-1" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
depends="$(field Depends)"
depends_names="$(tr ',' '\n' <<<"$depends" | sed -E 's/^ *//; s/ .*//')"
for d in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libc6 libstdc++6 \
  qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core; do
  grep -qxF "$d" <<<"$depends_names" || fail "Depends lacks $d: $depends"
done

# The file list: exactly these files (directories aside), owned by root.
expected="$(cat <<'LIST'
./usr/games/quintor
./usr/games/quintor-puzzle
./usr/share/applications/de.velmo.quintor.desktop
./usr/share/doc/quintor/changelog.Debian.gz
./usr/share/doc/quintor/copyright
./usr/share/icons/hicolor/128x128/apps/de.velmo.quintor.png
./usr/share/icons/hicolor/16x16/apps/de.velmo.quintor.png
./usr/share/icons/hicolor/256x256/apps/de.velmo.quintor.png
./usr/share/icons/hicolor/32x32/apps/de.velmo.quintor.png
./usr/share/icons/hicolor/48x48/apps/de.velmo.quintor.png
./usr/share/icons/hicolor/64x64/apps/de.velmo.quintor.png
./usr/share/icons/hicolor/scalable/apps/de.velmo.quintor.svg
./usr/share/lintian/overrides/quintor
./usr/share/man/de/man1/quintor-puzzle.1.gz
./usr/share/man/de/man6/quintor.6.gz
./usr/share/man/man1/quintor-puzzle.1.gz
./usr/share/man/man6/quintor.6.gz
./usr/share/metainfo/de.velmo.quintor.metainfo.xml
./usr/share/quintor/Quintor.chm
./usr/share/quintor/Quintor.hlp
./usr/share/quintor/Quintor_en.chm
./usr/share/quintor/Quintor_en.hlp
./usr/share/quintor/extrem.qnt
./usr/share/quintor/leicht.qnt
./usr/share/quintor/mittel.qnt
./usr/share/quintor/schwer.qnt
./usr/share/quintor/screenshots/game.png
./usr/share/quintor/screenshots/halloffame.png
./usr/share/quintor/screenshots/start.png
LIST
)"
listing="$(dpkg-deb -c "$deb")"
actual="$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)"
[ "$actual" = "$(sort <<<"$expected")" ] ||
  fail "file list differs:$(diff <(sort <<<"$expected") <(echo "$actual") || true)"
awk '$2 != "root/root" { exit 1 }' <<<"$listing" || fail "files not owned by root"

# Unpacked into a temporary root and played there: the program finds its data in
# ../share/quintor from /usr/games.
unpacked="$(mktemp -d)"
dpkg -x "$deb" "$unpacked"
source "$here/../e2e/lib.sh" "$unpacked/usr/games/quintor" "$unpacked/no-data"
source "$here/../install/play.sh"
trap 'e2e_cleanup; rm -rf "$unpacked"' EXIT
# The command-line tool beside the game runs unpacked (it needs no Qt).
[ "$("$unpacked/usr/games/quintor-puzzle" levels | head -n1)" = Einsteiger ] ||
  fail "quintor-puzzle does not run from the package"
clean_home
start_display
start_game
play_new_game_digit
user="$HOME/.local/share/quintor"
[ -d "$user" ] || fail "no per-user data folder $user"
for f in leicht.qnt mittel.qnt schwer.qnt extrem.qnt Quintor.chm Quintor.hlp Quintor_en.chm \
  Quintor_en.hlp; do
  cmp -s "$unpacked/usr/share/quintor/$f" "$user/$f" || fail "no per-user copy of $f"
done
echo "PASS: $(basename "$deb") built, lintian clean, unpacked and played; $user created"
