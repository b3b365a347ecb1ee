#!/usr/bin/env bash
# Runs one scenario: the driver in a fresh empty folder (the setup files copied in first), its transcript
# compared with NAME.expected, and every file under NAME.files/ compared byte for byte with the file of the
# same path left in the folder. The folder is removed when everything matches and kept for a look otherwise.
#
# usage: run-scenario.sh DRIVER TOOLKIT SCENARIO_DIR NAME [SETUP_DIR]
set -uo pipefail

driver=$(realpath "$1") toolkit=$2 scenarios=$(realpath "$3") name=$4 setup=${5:+$(realpath "$5")}
base=$(mktemp -d "${TMPDIR:-/tmp}/kedravo-scenario.XXXXXX") || exit 2
work=$base/work
mkdir "$work"
[ -z "$setup" ] || cp -R "$setup"/. "$work"/ || exit 2

fail() {
    echo "scenario $name ($toolkit): $*"
    echo "left in $base"
    exit 1
}

(cd "$work" && "$driver" --toolkit "$toolkit" "$scenarios/$name.script" >"$base/transcript" 2>"$base/stderr")
status=$?
cat "$base/stderr"
[ $status -eq 0 ] || fail "the driver exited with $status"

diff -u --label "$name.expected" --label "transcript" "$scenarios/$name.expected" "$base/transcript" ||
    fail "the transcript differs"

# How the file left behind ($2) differs from the expected one ($1): the first differing byte, or its length.
difference() {
    local first
    first=$(cmp -l "$1" "$2" 2>/dev/null | head -n 1)
    if [ -n "$first" ]; then
        set -- $first
        printf 'differs at byte %d (offset %d): expected 0x%02x, got 0x%02x' "$1" $(($1 - 1)) "0$2" "0$3"
    else
        printf 'has %d bytes where %d were expected' "$(stat -c %s "$2")" "$(stat -c %s "$1")"
    fi
}

expected_files=$scenarios/$name.files
if [ -d "$expected_files" ]; then
    while IFS= read -r -d '' expected; do
        path=${expected#"$expected_files"/}
        [ -f "$work/$path" ] || fail "the file $path was not written"
        cmp -s "$expected" "$work/$path" || fail "the file $path $(difference "$expected" "$work/$path")"
    done < <(find "$expected_files" -type f -print0 | sort -z)
fi

rm -rf "$base"
