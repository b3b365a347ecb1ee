#!/usr/bin/env bash
# The launcher starts the program in a folder of its own under the XDG data folder, made on first use, and passes
# its arguments on. A stand-in program beside a copy of the launcher records where it was started.
#
# usage: launcher_test.sh LAUNCHER
set -uo pipefail

base=$(mktemp -d "${TMPDIR:-/tmp}/kedravo-launcher.XXXXXX") || exit 2
trap 'rm -rf "$base"' EXIT
mkdir "$base/bin"
cp "$1" "$base/bin/kedravo-launcher"
chmod +x "$base/bin/kedravo-launcher"
cat >"$base/bin/kedravo" <<'STUB'
#!/bin/sh
echo "$PWD $*"
STUB
chmod +x "$base/bin/kedravo"

failures=0
# name | XDG_DATA_HOME ("-" for unset) | folder expected to hold the program's files
cases=(
    "the XDG data folder|$base/data|$base/data/kedravo"
    "unset: the home folder's|-|$base/home/.local/share/kedravo"
    "empty: the home folder's||$base/home/.local/share/kedravo"
    "relative, so invalid: the home folder's|data|$base/home/.local/share/kedravo"
    "a folder with blanks|$base/my data|$base/my data/kedravo"
)
for c in "${cases[@]}"; do
    IFS='|' read -r name xdg expected <<<"$c"
    environment=(env -i "HOME=$base/home" "PATH=/usr/bin:/bin")
    [ "$xdg" = "-" ] || environment+=("XDG_DATA_HOME=$xdg")
    # Started from another folder, as a desktop starts it from the home folder.
    got=$(cd "$base" && "${environment[@]}" "$base/bin/kedravo-launcher" one "two words")
    if [ "$got" != "$expected one two words" ]; then
        echo "FAIL $name: started as '$got', expected '$expected one two words'"
        failures=$((failures + 1))
    fi
done

# A second start finds the folder with the program's files as they were left.
echo kept >"$base/data/kedravo/KANKYO.TXT"
(cd / && env -i "HOME=$base/home" "XDG_DATA_HOME=$base/data" "$base/bin/kedravo-launcher" >/dev/null)
if [ "$(cat "$base/data/kedravo/KANKYO.TXT")" != kept ]; then
    echo "FAIL a second start: KANKYO.TXT was not left as it was"
    failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "launcher: all cases passed"
exit $((failures > 0))
