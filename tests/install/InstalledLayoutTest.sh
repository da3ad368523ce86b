#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the programs from there
# as a user whose folders lie in a scratch home: what they write lands in the
# user's folders and nothing in the prefix; a second start reads it back.
# Usage: InstalledLayoutTest.sh BUILD_FOLDER
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0
passes=0

check() { # name, expected, actual
  if [ "$2" == "$3" ]; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=offscreen LC_ALL=C
# In a sanitizer build the libraries' own allocations at exit are not ours to
# judge here; the window's tests check its leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Root may write into a read-only prefix: any file newer than this is a fault.
touch "$scratch/marker"
listing() { (cd "$prefix" && find . | sort); }
installed=$(listing)

bin=$prefix/bin
check "conversion" "10 [m/s]" "$("$bin/varnel" '36 [km/h]' '[m/s]' 2>&1)"
check "list names the lengths" "Length" "$("$bin/varnel" --list 2>&1 | grep -m1 -x '  Length' | tr -d ' ' || true)"
check "command-line version" "varnel" "$("$bin/varnel" --version | cut -d' ' -f1)"

if [ -x "$bin/VarnelKalto" ]; then
  check "window version" "VarnelKalto" "$("$bin/VarnelKalto" --version | cut -d' ' -f1)"
  size=$XDG_CONFIG_HOME/varnel/VarnelKalto.ext
  "$bin/VarnelKalto" --quit-when-shown
  check "window size written to the user's folder" "yes" "$([ -f "$size" ] && echo yes || echo no)"
  printf 'Width=700\r\nHeight=450\r\n' >"$size"
  "$bin/VarnelKalto" --quit-when-shown
  check "window size read back" "Width=700|Height=450" "$(tr -d '\r' <"$size" | paste -sd'|')"
fi

check "nothing added to the prefix" "$installed" "$(listing)"
check "nothing changed in the prefix" "" "$(find "$prefix" -newer "$scratch/marker")"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
