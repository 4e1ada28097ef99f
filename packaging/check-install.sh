#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs a configured build into a scratch folder and checks what a desktop
# expects to find there: exactly the program, the desktop entry, the icon at every
# hicolor size plus the SVG, and the metainfo; each PNG of the size its folder
# claims; the entry and the metainfo naming each other, the icon and the program;
# and both files passing Debian's validators.
#
#   check-install.sh CMAKE BUILD_DIR APP_ID EXPECT_PROGRAM(0|1) "ICON SIZES"
set -eu

cmake=$1 build=$2 id=$3 program=$4 sizes=$5

for tool in desktop-file-validate appstreamcli od; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 || {
  cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1
}
usr=$root/usr

# The tree, file by file: a missing file and a stray one are both faults.
expected=$(
  [ "$program" = 1 ] && echo "usr/bin/hexbrawl"
  echo "usr/share/applications/$id.desktop"
  echo "usr/share/metainfo/$id.metainfo.xml"
  echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
  for size in $sizes; do echo "usr/share/icons/hicolor/${size}x${size}/apps/$id.png"; done
)
expected=$(printf '%s\n' "$expected" | LC_ALL=C sort)
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  fail "the install tree differs from the expected one (- expected, + installed):"
  printf '%s\n' "$expected" >"$work/expected"
  printf '%s\n' "$actual" >"$work/actual"
  diff -u "$work/expected" "$work/actual" | tail -n +3 || true
fi

if [ "$program" = 1 ] && [ ! -x "$usr/bin/hexbrawl" ]; then
  fail "usr/bin/hexbrawl is not executable"
fi

# Each PNG: the signature, then width and height from the IHDR chunk.
for size in $sizes; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
  if [ "$signature" != 89504e470d0a1a0a ]; then
    fail "$png is not a PNG"
    continue
  fi
  set -- $(od -An -tu1 -j16 -N8 "$png")
  width=$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))
  height=$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))
  if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
    fail "${size}x${size}/apps/$id.png is ${width}x${height}"
  fi
done

svg=$usr/share/icons/hicolor/scalable/apps/$id.svg
if [ -f "$svg" ] && ! grep -q '<svg' "$svg"; then
  fail "$svg holds no <svg> element"
fi

desktop=$usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
  # Clean means silent: warnings and hints count too.
  complaints=$(desktop-file-validate "$desktop" 2>&1) || true
  if [ -n "$complaints" ]; then
    printf '%s\n' "$complaints"
    fail "desktop-file-validate $id.desktop"
  fi
  key() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(key Exec | cut -d' ' -f1)" = hexbrawl ] || fail "the desktop entry does not start hexbrawl"
  [ "$(key Icon)" = "$id" ] || fail "the desktop entry's icon is '$(key Icon)', the installed icon is '$id'"
  [ "$(key Terminal)" = false ] || fail "the desktop entry asks for a terminal"
  case "$(key Categories)" in
    *Game\;*StrategyGame\;*) ;;
    *) fail "the desktop entry's categories lack Game;StrategyGame;" ;;
  esac
  for k in Name GenericName Comment; do
    [ -n "$(key $k)" ] || fail "the desktop entry has no $k"
  done
fi

metainfo=$usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
  # --strict: warnings and infos count too.
  appstreamcli validate --no-net --strict --explain "$metainfo" || fail "appstreamcli validate $id.metainfo.xml"
  grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
  grep -q '<binary>hexbrawl</binary>' "$metainfo" || fail "the metainfo does not provide the binary hexbrawl"
  grep -q '@[A-Z_]*@' "$metainfo" && fail "the metainfo holds an unreplaced @VARIABLE@"
  grep -q '<content_rating type="oars-1.1">' "$metainfo" || fail "the metainfo has no OARS 1.1 content rating"
  # This validator does not know the OARS 1.1 attributes, so a misspelt one would pass it.
  oars="violence-cartoon violence-fantasy violence-realistic violence-bloodshed violence-sexual
        violence-desecration violence-slavery violence-worship drugs-alcohol drugs-narcotics
        drugs-tobacco sex-nudity sex-themes sex-homosexuality sex-prostitution sex-adultery
        sex-appearance language-profanity language-humor language-discrimination social-chat
        social-info social-audio social-location social-contacts money-purchasing money-gambling"
  sed -n 's|.*<content_attribute id="\([^"]*\)">\([^<]*\)<.*|\1 \2|p' "$metainfo" >"$work/oars"
  while read -r attribute value; do
    case " $(echo $oars) " in *" $attribute "*) ;; *) fail "'$attribute' is no OARS 1.1 attribute" ;; esac
    case "$value" in none | mild | moderate | intense) ;; *) fail "'$value' is no OARS rating ($attribute)" ;; esac
  done <"$work/oars"
  [ -s "$work/oars" ] || fail "the content rating rates nothing"
  [ "$(grep -c '<screenshot[ >]' "$metainfo")" -ge 1 ] || fail "the metainfo shows no screenshots"
  grep -q '<release version="[0-9]' "$metainfo" || fail "the metainfo has no release"
fi

# The whole tree as software centres read it: metainfo, desktop entry and icons together.
appstreamcli validate-tree --no-net "$usr" || fail "appstreamcli validate-tree"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install tree, desktop entry and metainfo are in order"
