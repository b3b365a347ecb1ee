#!/usr/bin/env bash
# The font aliases make the faces the windows name resolve to IPA's Gothic faces. fontconfig is given the aliases
# ahead of the system's own configuration, where the installed link puts them.
#
# usage: font_aliases_test.sh ALIASES_FILE
set -uo pipefail

base=$(mktemp -d "${TMPDIR:-/tmp}/kedravo-fonts.XXXXXX") || exit 2
trap 'rm -rf "$base"' EXIT
cat >"$base/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include>$(realpath "$1")</include>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
</fontconfig>
CONF

failures=0
# asked for | expected face
cases=(
    "ＭＳ ゴシック|IPAGothic"
    "MS Gothic|IPAGothic"
    "ＭＳ Ｐゴシック|IPAPGothic"
    "MS PGothic|IPAPGothic"
)
for c in "${cases[@]}"; do
    IFS='|' read -r asked expected <<<"$c"
    got=$(FONTCONFIG_FILE="$base/fonts.conf" fc-match -f '%{family[0]}' "$asked")
    if [ "$got" != "$expected" ]; then
        echo "FAIL $asked resolved to '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
done

[ $failures -eq 0 ] && echo "font aliases: all cases passed"
exit $((failures > 0))
