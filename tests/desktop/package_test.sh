#!/usr/bin/env bash
# The Debian package of this build: lintian finds no error in it, it holds the program with everything that makes
# it a desktop program, and it depends on the Qt runtime and the fonts the windows need.
#
# usage: package_test.sh BUILD_DIR
set -uo pipefail

build=$(realpath "$1")
base=$(mktemp -d "${TMPDIR:-/tmp}/kedravo-package.XXXXXX") || exit 2
trap 'rm -rf "$base"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$base" >"$base/cpack.log" 2>&1 || {
    cat "$base/cpack.log"
    exit 1
}
package=$(echo "$base"/kedravo_*.deb)

failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

lintian --fail-on error --no-tag-display-limit "$package" 2>/dev/null || fail "lintian reports errors"

contents=$(dpkg-deb --contents "$package" | awk '{print $6}')
for path in ./usr/bin/kedravo ./usr/bin/kedravo-launcher ./usr/bin/kedravo-lines \
    ./usr/share/man/man1/kedravo-lines.1.gz \
    ./usr/share/applications/org.kedravo.kedravo.desktop \
    ./usr/share/icons/hicolor/scalable/apps/org.kedravo.kedravo.svg \
    ./usr/share/metainfo/org.kedravo.kedravo.metainfo.xml \
    ./usr/share/fontconfig/conf.avail/35-kedravo-ms-gothic.conf \
    ./etc/fonts/conf.d/35-kedravo-ms-gothic.conf; do
    grep -qxF "$path" <<<"$contents" || fail "the package has no $path"
done

depends=$(dpkg-deb --field "$package" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for needed in libqt6widgets6 libqt6gui6 fonts-ipafont-gothic fontconfig; do
    grep -qxF "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

[ $failures -eq 0 ] && echo "package: lintian finds no error; the files and dependencies are there"
exit $((failures > 0))
