#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs a configured build into a scratch folder (or takes a tree already
# unpacked, with --tree) and checks what a desktop and a distribution expect to
# find there: exactly the program, the desktop entry, the icon at every hicolor
# size plus the SVG, the metainfo, the manual page, the copyright, the changelog
# and the lintian overrides; each PNG of the size its folder claims; the entry and
# the metainfo naming each other, the icon and the program, and passing Debian's
# validators; the copyright under the licence of LICENSE; the changelog, the
# metainfo and the manual page naming the same version and date; and no address
# but those known to exist.
#
#   check-install.sh CMAKE BUILD_DIR APP_ID EXPECT_PROGRAM(0|1) "ICON SIZES"
#   check-install.sh --tree ROOT APP_ID EXPECT_PROGRAM(0|1) "ICON SIZES"
set -eu

source=$(cd "$(dirname "$0")/.." && pwd)
cmake=$1 build=$2 id=$3 program=$4 sizes=$5

for tool in desktop-file-validate appstreamcli od dpkg-parsechangelog; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ "$cmake" = --tree ]; then
  root=$build
else
  root=$work/root
  DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 || {
    cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1
  }
fi
usr=$root/usr
doc=$usr/share/doc/hexbrawl

# The tree, file by file: a missing file and a stray one are both faults.
expected=$(
  [ "$program" = 1 ] && echo "usr/games/hexbrawl"
  echo "usr/share/applications/$id.desktop"
  echo "usr/share/doc/hexbrawl/changelog.gz"
  echo "usr/share/doc/hexbrawl/copyright"
  echo "usr/share/lintian/overrides/hexbrawl"
  echo "usr/share/man/man6/hexbrawl.6.gz"
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

if [ "$program" = 1 ] && [ ! -x "$usr/games/hexbrawl" ]; then
  fail "usr/games/hexbrawl is not executable"
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
  grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the metainfo does not name the MIT licence"
  grep -q '<release version="[0-9]' "$metainfo" || fail "the metainfo has no release"
fi

# The copyright: machine-readable, everything under MIT, the text that of LICENSE.
copyright=$doc/copyright
if [ -f "$copyright" ]; then
  head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright is not in the machine-readable format"
  grep -A2 -x 'Files: \*' "$copyright" | grep -qx 'License: MIT' || fail "the copyright does not put Files: * under MIT"
  # The stand-alone paragraph that begins with "License: MIT", unindented.
  awk -v RS= '/^License: MIT\n/' "$copyright" | sed -e 1d -e 's/^ //' -e 's/^\.$//' >"$work/mit"
  sed '1,4d' "$source/LICENSE" >"$work/LICENSE"
  cmp -s "$work/mit" "$work/LICENSE" || fail "the copyright's MIT text differs from LICENSE"
fi

# One version and one date: the newest changelog entry, the newest release of
# the metainfo and the manual page's title line.
man=$usr/share/man/man6/hexbrawl.6.gz
if [ -f "$doc/changelog.gz" ] && [ -f "$metainfo" ] && [ -f "$man" ]; then
  gzip -dc "$doc/changelog.gz" >"$work/changelog"
  version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
  date=$(date -u -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%F)
  release=$(sed -n 's|.*<release version="\([^"]*\)" date="\([^"]*\)".*|\1 \2|p' "$metainfo" | head -n 1)
  title=$(gzip -dc "$man" | sed -n 's/^\.TH HEXBRAWL 6 "\([^"]*\)" "Hexbrawl \([^"]*\)".*/\2 \1/p')
  [ "$release" = "$version $date" ] || fail "the changelog names $version of $date, the metainfo $release"
  [ "$title" = "$version $date" ] || fail "the changelog names $version of $date, the manual page '$title'"
  echo "version $version of $date in the changelog, the metainfo and the manual page"
fi

# Every web or mail address in any installed file, the program and the compressed
# documents included, must be one known to exist.
# Known: the format of Debian's copyright files, and the SVG namespace.
known='https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/ http://www.w3.org/2000/svg'
find "$root" -type f | while read -r file; do
  case $file in *.gz) gzip -dc "$file" ;; *) cat "$file" ;; esac |
    grep -aoE '[a-z]+://[^][ "<>()]+|[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+\.[A-Za-z]{2,}' |
    sed "s|^|${file#"$root"/}: |"
done | sort -u >"$work/addresses"
while read -r file address; do
  case " $known " in *" $address "*) ;; *) fail "$file names $address, which is no address known to exist" ;; esac
done <"$work/addresses"

# The whole tree as software centres read it: metainfo, desktop entry and icons together.
appstreamcli validate-tree --no-net "$usr" || fail "appstreamcli validate-tree"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install tree, desktop entry and metainfo are in order"
