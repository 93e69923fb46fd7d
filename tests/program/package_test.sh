#!/usr/bin/env bash
# Makes the Debian package from the build, as `make package` does but into a folder of its
# own, and lets Debian's package checker judge it: any error or warning of lintian fails (its
# informational notes are shown, not counted). Also checks what lintian cannot know: no
# maintainer script (a private library needs no ldconfig). (What the package holds is what
# the install rules put under /usr, each file and QXTools' own library folder checked by
# install_test.sh; a program without its man page or copyright file lintian refuses itself.)
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(find "$work" -maxdepth 1 -name 'krashball_*.deb' | head -1)
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: cpack made no krashball_*.deb"; exit 1; }

dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'post|pre' && fail "the package has maintainer scripts"

if ! lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1; then
  fail "lintian found errors or warnings"
fi
cat "$work/lintian.log"
[ "$failures" = 0 ] || exit 1
echo "1 passed, 0 failed"
