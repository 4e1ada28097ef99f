#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the package's declared dependencies against what the program links:
# every shared library dpkg-shlibdeps finds must come from a declared package,
# declared with at least the version the build needs.
#
#   check-depends.sh PROGRAM "DECLARED DEPENDS"
set -eu

program=$1 declared=$2
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

failures=0
entries "$needed" >"$work/needed"
while read -r name version; do
  have=$(awk -v n="$name" '$1 == n { print $2; exit }' "$work/declared")
  if [ -z "$have" ]; then
    echo "FAIL: the program links a library of $name, which the package does not depend on"
    failures=$((failures + 1))
  elif [ "$version" != - ] && { [ "$have" = - ] || ! dpkg --compare-versions "$have" ge "$version"; }; then
    echo "FAIL: the program needs $name (>= $version), the package asks for $name ($have)"
    failures=$((failures + 1))
  fi
done <"$work/needed"

[ "$failures" -eq 0 ] || exit 1
echo "every linked library is a declared dependency"
