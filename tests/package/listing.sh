#!/usr/bin/env bash
# The desktop listing: the desktop entry and the AppStream metainfo must pass
# desktop-file-validate and appstreamcli validate --pedantic without a single finding, in
# the source tree and installed (validate-tree checks the metainfo against the installed
# desktop entry and icons); every screenshot the metainfo names is installed with the size
# it states, and every text of the listing has its German translation.
# Arguments: the source folder and a build folder of it (its program built).
set -euo pipefail
source_dir="$(realpath "$1")"
build="$(realpath "$2")"
fail() { echo "FAIL: $*" >&2; exit 1; }
desktop="$source_dir/data/de.velmo.quintor.desktop"
metainfo="$source_dir/data/de.velmo.quintor.metainfo.xml"

# A finding is any line desktop-file-validate prints, or a line of appstreamcli's with a
# severity letter (E, W, I or P for pedantic).
found="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $found"
[ -z "$found" ] || fail "desktop-file-validate: $found"
appstream() {
  local out status=0
  out="$(appstreamcli "$@" --pedantic --no-net --explain 2>&1)" || status=$?
  if [ "$status" -ne 0 ] || grep -qE '^ *[EWIP]: ' <<<"$out"; then
    fail "appstreamcli $1 --pedantic:"$'\n'"$out"
  fi
}
appstream validate "$metainfo"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
appstream validate-tree "$root"

python3 - "$metainfo" "$desktop" "$root/usr/share/quintor/screenshots" "$source_dir/docs/screenshots" <<'PY'
import configparser, os, struct, sys, xml.etree.ElementTree as ET

metainfo, desktop, installed, shipped = sys.argv[1:]
problems = []
lang = "{http://www.w3.org/XML/1998/namespace}lang"

# Screenshots: named by URL, installed with the size the metainfo gives (from the PNG header).
named = set()
for image in ET.parse(metainfo).getroot().iter("image"):
    name = os.path.basename(image.text.strip())
    named.add(name)
    path = os.path.join(installed, name)
    if not os.path.isfile(path):
        problems.append(f"screenshot {name} is not installed")
        continue
    with open(path, "rb") as f:
        width, height = struct.unpack(">II", f.read(24)[16:24])
    if (str(width), str(height)) != (image.get("width"), image.get("height")):
        problems.append(f"screenshot {name} is {width}x{height}, the metainfo says "
                        f"{image.get('width')}x{image.get('height')}")
for name in sorted(set(os.listdir(shipped)) - named):
    problems.append(f"docs/screenshots/{name} is not named in the metainfo")

# Every English text of the metainfo has its German one beside it (as many of each kind).
root = ET.parse(metainfo).getroot()
for parent in root.iter():
    for tag in ("summary", "caption", "p", "li", "keyword"):
        english = [c for c in parent if c.tag == tag and c.get(lang) is None]
        german = [c for c in parent if c.tag == tag and c.get(lang) == "de"]
        if len(english) != len(german):
            problems.append(f"<{parent.tag}> holds {len(english)} English <{tag}> and "
                            f"{len(german)} German: {' / '.join(c.text.strip()[:40] for c in english)}")

# The desktop entry: English keys with a [de] twin.
entry = configparser.RawConfigParser(interpolation=None)
entry.optionxform = str
entry.read(desktop, encoding="utf-8")
keys = entry["Desktop Entry"]
for key in ("GenericName", "Comment", "Keywords"):
    if key not in keys or f"{key}[de]" not in keys:
        problems.append(f"desktop entry lacks {key} or {key}[de]")

if problems:
    sys.exit("FAIL: " + "\n".join(problems))
PY
echo "PASS: desktop entry and metainfo valid without findings, screenshots installed, German complete"
