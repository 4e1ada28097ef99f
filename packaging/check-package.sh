#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the Debian package that `make package` built in BUILD_DIR as a
# distribution would: lintian with no error and no warning, then the unpacked
# tree with check-install.sh, the Depends field against what the packed program
# links, and the package's version against its changelog.
#
#   check-package.sh BUILD_DIR PACKAGE VERSION APP_ID "ICON SIZES"
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$1 package=$2 version=$3 id=$4 sizes=$5

deb=$(ls "$build/${package}_${version}_"*.deb 2>/dev/null | head -n 1) || true
if [ -z "$deb" ]; then
  echo "SKIP: no ${package}_${version}_*.deb in $build (make package builds one)"
  exit 77
fi
command -v lintian >/dev/null 2>&1 ||
  { echo "FAIL: lintian is missing (scripts/install-deps.sh packaging installs it)"; exit 1; }
echo "checking $deb"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Infos are shown but do not fail; errors and warnings do (the overrides that the
# package carries, each with its reason, are not shown).
status=0
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || status=$?
grep -v '^running with root privileges' "$work/lintian" || true
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings"
dpkg-deb -x "$deb" "$work/root"
sh "$here/check-install.sh" --tree "$work/root" "$id" 1 "$sizes" || fail "the unpacked tree"
sh "$here/check-depends.sh" "$work/root/usr/games/$package" "$(dpkg-deb -f "$deb" Depends)" ||
  fail "the dependencies"

gzip -dc "$work/root/usr/share/doc/$package/changelog.gz" >"$work/changelog"
[ "$(dpkg-deb -f "$deb" Version)" = "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" ] ||
  fail "the package's version is not that of its changelog"

[ "$failures" -eq 0 ] || { echo "$failures check(s) of $deb failed"; exit 1; }
echo "$deb is in order"
