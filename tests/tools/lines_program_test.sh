#!/usr/bin/env bash
# kedravo-lines as a terminal runs it, on the real file system: a Japanese page name on the command line, the
# CSV's bytes on standard output unchanged (no CR added before LF on Windows), and each exit status.
#
# usage: lines_program_test.sh SETUP_DIR PROGRAM [EMULATOR]
set -uo pipefail

setup=$(realpath "$1") program=$2 emulator=${3:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/kedravo-lines.XXXXXX") || exit 2
cp -R "$setup"/. "$work"/ && cd "$work" || exit 2
failures=0
fail() {
    echo "kedravo-lines: $*"
    failures=$((failures + 1))
}
lines() { $emulator "$program" "$@" 2>stderr; }

lines export --page ドル円 >out.csv
[ $? -eq 0 ] || fail "export exited with $?: $(cat stderr)"
printf '\xef\xbb\xbf\xe3\x83\x9a\xe3\x83\xbc\xe3\x82\xb8,' | cmp -s -n 10 - out.csv || fail "export does not begin with the mark and the header"
[ "$(grep -c $'\r\r' out.csv)" -eq 0 ] || fail "export has CR CR"
[ "$(wc -l <out.csv)" -eq 9 ] || fail "export has $(wc -l <out.csv) lines, not the header and 8"

before=$(cksum <data/価格データ.TXT)
lines import --page ドル円 bad_rows.csv >/dev/null
[ $? -eq 1 ] || fail "refused rows did not exit 1"
[ "$(cksum <data/価格データ.TXT)" = "$before" ] || fail "refused rows changed the price data"

lines import --page ドル円 spreadsheet_utf8_bom.csv >out.txt
[ $? -eq 0 ] || fail "import exited with $?: $(cat stderr)"
grep -q 3本のラインを追加しました out.txt || fail "import did not report its three lines"
[ "$(cksum <data/価格データ.TXT)" != "$before" ] || fail "import did not write the price data"

lines import tab.txt >/dev/null
[ $? -eq 2 ] || fail "a usage error did not exit 2"

if [ $failures -eq 0 ]; then
    rm -rf "$work"
    echo "kedravo-lines: export, import, refusal and usage as expected"
    exit 0
fi
echo "left in $work"
exit 1
