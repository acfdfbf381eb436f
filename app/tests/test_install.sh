#!/usr/bin/env bash
# Installs the build into a temporary prefix (with a blank in its name, as a
# user's folder may have) and checks where everything landed.
# Usage: test_install.sh <build folder> [cmake]
set -euo pipefail
build=$(cd "$1" && pwd)
cmake=${2:-cmake}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/my apps"
failures=0
check() { # check <what> <command...>
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

has_debug_info() { [[ "$(readelf -S --wide "$1")" == *' .debug_'* ]]; }
no_debug_info() { ! has_debug_info "$1"; }
built_with_debug_info=no
if has_debug_info "$build/bin/kembrel"; then built_with_debug_info=yes; fi

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log"
program="$prefix/lib/kembrel/kembrel"
entry="$prefix/share/applications/kembrel.desktop"

check "the program in its folder" test -x "$program"
check "the program holds no debug information" no_debug_info "$program"
if [ $built_with_debug_info = yes ]; then
  check "the build's program keeps its debug information" has_debug_info "$build/bin/kembrel"
fi
for db in CABLE-PIPE.qvx CABLE-SIZE.qvx KAHOU.qvx; do
  check "$db beside the program, as built" cmp -s "$build/bin/$db" "$prefix/lib/kembrel/$db"
  check "$db writable by the user" test -w "$prefix/lib/kembrel/$db"
done
check "the program folder writable by the user" test -w "$prefix/lib/kembrel"
check "the command is a relative link" bash -c '[[ "$(readlink "$1")" != /* ]]' _ "$prefix/bin/kembrel"
check "the command resolves to the program" test "$(readlink -f "$prefix/bin/kembrel")" = "$(readlink -f "$program")"
check "the command is found on PATH" test "$(PATH="$prefix/bin:$PATH" command -v kembrel)" = "$prefix/bin/kembrel"
check "the icon" test -s "$prefix/share/icons/hicolor/scalable/apps/kembrel.svg"
check "the desktop entry" test -s "$entry"
check "Office and Engineering" grep -qx 'Categories=Office;Engineering;' "$entry"
check "the entry starts the command" grep -qxF "Exec=\"$prefix/bin/kembrel\"" "$entry"
check "the entry's icon" grep -qx 'Icon=kembrel' "$entry"
if command -v desktop-file-validate >/dev/null; then
  check "desktop-file-validate" desktop-file-validate "$entry"
else
  echo "skipped: desktop-file-validate is not installed (desktop-file-utils)"
fi

# A reinstall keeps the databases the user has edited, and puts back a missing one.
printf 'edited' >>"$prefix/lib/kembrel/KAHOU.qvx"
rm "$prefix/lib/kembrel/CABLE-PIPE.qvx"
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log"
check "an edited database is kept" bash -c '[[ "$(tail -c 6 "$1")" == edited ]]' _ "$prefix/lib/kembrel/KAHOU.qvx"
check "a missing database is put back" cmp -s "$build/bin/CABLE-PIPE.qvx" "$prefix/lib/kembrel/CABLE-PIPE.qvx"
check "the command survives a reinstall" test "$(readlink -f "$prefix/bin/kembrel")" = "$(readlink -f "$program")"
check "a reinstall leaves no debug information either" no_debug_info "$program"

# The command starts the program, which then runs until it is closed.
set +e
(cd "$tmp" && QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/kembrel" >"$tmp/run.log" 2>&1)
rc=$?
set -e
check "the program starts and keeps running (exit $rc)" test "$rc" -eq 124

echo "$failures failed"
exit $((failures > 0))
