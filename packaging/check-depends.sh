#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the package's dependencies against the program.
#
#   check-depends.sh PROGRAM "DEPENDS"
#     DEPENDS is the Depends field of the built package: every shared library
#     dpkg-shlibdeps finds for PROGRAM must come from a package named there,
#     with at least the version the build needs.
#   check-depends.sh --extras PROGRAM "EXTRAS" "FONT FAMILIES"
#     EXTRAS are the dependencies written by hand, next to those dpkg-shlibdeps
#     adds: they must name none of the linked libraries' packages (those come
#     with the right versions from dpkg-shlibdeps), and the package of the X11
#     platform plugin and of the font each family resolves to must be among
#     them or the linked ones.
set -eu

extras=0
[ "$1" = --extras ] && { extras=1; shift; }
program=$1 declared=$2 families=${3:-}
case $program in /*) ;; *) program=$PWD/$program ;; esac

for tool in dpkg-shlibdeps dpkg; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing (dpkg-dev)"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/debian" && : >"$work/debian/control"
needed=$(cd "$work" && dpkg-shlibdeps -O "$program" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
[ -n "$needed" ] || { echo "FAIL: dpkg-shlibdeps found nothing for $program"; exit 1; }
echo "linked: $needed"
echo "declared: $declared"

# One "name version" line per entry; an entry without a version gets "-".
entries() { printf '%s\n' "$1" | tr ',' '\n' | sed -e 's/^ *//' -e 's/ *$//' \
  -e 's/^\([^ ]*\) *(>= *\([^)]*\))$/\1 \2/' -e 's/^\([^ ]*\)$/\1 -/'; }
entries "$declared" >"$work/declared"
entries "$needed" >"$work/needed"
declared_version() { awk -v n="$1" '$1 == n { print $2; exit }' "$work/declared"; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if [ "$extras" = 0 ]; then
  while read -r name version; do
    have=$(declared_version "$name")
    if [ -z "$have" ]; then
      fail "the program links a library of $name, which the package does not depend on"
    elif [ "$version" != - ] && { [ "$have" = - ] || ! dpkg --compare-versions "$have" ge "$version"; }; then
      fail "the program needs $name (>= $version), the package asks for $name ($have)"
    fi
  done <"$work/needed"
  [ "$failures" -eq 0 ] || exit 1
  echo "every linked library is a declared dependency"
  exit 0
fi

while read -r name version; do
  [ -z "$(declared_version "$name")" ] ||
    fail "$name is written by hand, but dpkg-shlibdeps already finds it (as >= $version)"
done <"$work/needed"

# The package that holds FILE, as dpkg knows it.
owner() { dpkg -S "$1" 2>/dev/null | head -n 1 | sed 's/[:,].*//'; }
need() { # NAME OF WHAT, FILE
  package=$(owner "$2")
  if [ -z "$package" ]; then
    fail "no installed package holds $1 ($2)"
  elif [ -z "$(declared_version "$package")" ] && ! grep -q "^$package " "$work/needed"; then
    fail "$1 comes from $package, which the package does not depend on"
  else
    echo "$1: $package"
  fi
}
need "the X11 platform plugin" '*/qt6/plugins/platforms/libqxcb.so'
printf '%s\n' "$families" | tr ';' '\n' >"$work/families"
if ! command -v fc-match >/dev/null 2>&1; then
  fail "fc-match (fontconfig) is missing, so the fonts cannot be checked"
  : >"$work/families"
fi
while IFS= read -r family; do
  [ -n "$family" ] || continue
  found=$(fc-match -f '%{family[0]}' "$family")
  if [ "$found" != "$family" ]; then
    fail "the font family $family is not installed (fontconfig gives $found)"
    continue
  fi
  need "the font $family" "$(fc-match -f '%{file}' "$family")"
done <"$work/families"

[ "$failures" -eq 0 ] || exit 1
echo "the extra dependencies hold what the program loads without linking, and no linked library"
