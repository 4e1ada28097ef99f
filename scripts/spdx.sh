#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Keeps the licence line at the top of every source, script and build file: C++
# sources and headers, CMake files, Makefiles, shell and Python scripts, and any
# other file that starts with a shebang. The line is the very first one, or the
# second after a shebang. Pictures, sounds and other data are covered by
# packaging/copyright instead.
#
#   scripts/spdx.sh          lists the files without the line; exits 1 if there are any
#   scripts/spdx.sh --fix    adds the line to those files and changes nothing else
#
# It looks at the files git tracks and the new ones git does not ignore, so run it
# again after a merge: `scripts/spdx.sh --fix`, then commit what it added. Where a
# merge conflicts at the very top of a file only because of the licence line,
# take the other side's version of the file first; --fix then puts the line back.
set -euo pipefail
cd "$(dirname "$0")/.."

tag='SPDX-License-Identifier: MIT'
mode=${1:-check}
case $mode in check | --check) mode=check ;; --fix) mode=fix ;;
  *) echo "usage: $0 [--check|--fix]" >&2; exit 2 ;; esac

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "SKIP: not a git checkout, so there is no list of the project's files"
  exit 77
fi

# The comment that introduces the line in FILE, or nothing for a file it does not
# belong in.
comment_for() {
  case $1 in
    */__pycache__/*) return ;;
    *.cpp | *.h | *.hpp | *.cc) echo '//'; return ;;
    *.cmake | */CMakeLists.txt | CMakeLists.txt | Makefile | */Makefile | *.mk | *.sh | *.py) echo '#'; return ;;
  esac
  [ "$(head -c 2 "$1")" = '#!' ] && echo '#'
  return 0
}

missing=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  comment=$(comment_for "$file")
  [ -n "$comment" ] || continue
  header="$comment $tag"
  line=1
  [ "$(head -c 2 "$file")" = '#!' ] && line=2
  [ "$(sed -n "${line}p" "$file")" = "$header" ] && continue
  missing+=("$file")
  [ "$mode" = fix ] || continue
  if [ ! -s "$file" ]; then
    printf '%s\n' "$header" >"$file"
  elif [ "$line" = 2 ]; then
    sed -i "1a\\$header" "$file"
  else
    sed -i "1i\\$header" "$file"
  fi
done < <(git ls-files -z --cached --others --exclude-standard | sort -zu)

if [ ${#missing[@]} -eq 0 ]; then
  echo "every source, script and build file starts with '$tag'"
elif [ "$mode" = fix ]; then
  printf 'added the licence line to %s\n' "${missing[@]}"
else
  printf 'no licence line at the top of %s\n' "${missing[@]}"
  echo "${#missing[@]} file(s) lack '$tag': run scripts/spdx.sh --fix"
  exit 1
fi
