#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under the prefix /usr and checks it as a desktop
# and a coach would meet it: every file in place, QXTools with its soname in the program's own
# library folder and found through the program's RUNPATH (not the build tree), desktop entry,
# AppStream data and file type accepted by their validators, both man pages without troff
# warnings, the installed program finding its help, sounds and icon, keeping its data in the
# XDG data folder, and krv running.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
usr=$root/usr
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log"; exit 1; }

# Where the desktop, man and the dynamic linker look for each file.
libdir=$(dirname "$(find "$usr" -name 'libqxtools.so.*.*.*' | head -1)")
[ "$(basename "$libdir")" = krashball ] || fail "QXTools is not in the program's own library folder but in $libdir"
for file in bin/krashball bin/krv share/krashball/Dok/Hilfe.html share/krashball/examples/Orks.krt \
            share/applications/krashball.desktop share/metainfo/de.krashball.krashball.metainfo.xml \
            share/mime/packages/krashball.xml share/man/man1/krv.1.gz share/man/man1/krashball.1.gz \
            share/doc/krashball/copyright share/doc/krashball/changelog.gz \
            share/icons/hicolor/scalable/apps/krashball.svg; do
  [ -f "$usr/$file" ] || fail "$file is not installed"
done
for size in 16 32 48 64 128 256; do
  [ -f "$usr/share/icons/hicolor/${size}x${size}/apps/krashball.png" ] || fail "no ${size}x${size} icon"
done
[ "$(ls "$usr/share/krashball/Sounds" | wc -l)" -ge 11 ] || fail "sounds are missing"
[ -L "$libdir/libqxtools.so.1" ] || fail "libqxtools.so.1 (the soname link) is missing in $libdir"
readelf -d "$libdir"/libqxtools.so.1 | grep -q 'SONAME.*\[libqxtools\.so\.1\]' || fail "QXTools has no soname libqxtools.so.1"
found=$(ldd "$usr/bin/krashball" | sed -n 's/.*libqxtools\.so\.1 => \([^ ]*\).*/\1/p')
[ -n "$found" ] && [ "$(readlink -f "$found")" = "$(readlink -f "$libdir/libqxtools.so.1")" ] ||
  fail "the installed program does not take QXTools from its own prefix but from '$found'"

# The validators the desktop's own tools run.
desktop-file-validate "$usr/share/applications/krashball.desktop" || fail "desktop-file-validate refused the desktop entry"
grep -q '^Exec=krashball %F$' "$usr/share/applications/krashball.desktop" || fail "the desktop entry does not pass all files"
appstreamcli validate --no-net --no-color "$usr/share/metainfo/de.krashball.krashball.metainfo.xml" >"$work/as.log" ||
  { cat "$work/as.log"; fail "appstreamcli refused the metainfo"; }
xmllint --noout "$usr/share/mime/packages/krashball.xml" || fail "xmllint refused the MIME package"
update-mime-database "$usr/share/mime" 2>/dev/null || fail "update-mime-database refused the MIME package"
for page in krv krashball; do
  man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null | grep . && fail "the man page of $page has troff warnings"
done

# The installed program, started without a screen, with its own settings and data folders.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$usr/share \
       XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset KRV_DATEN
"$usr/bin/krashball" --version | grep -q '^Krashball-Verwaltung [0-9]' || fail "krashball --version"
if ! "$usr/bin/krashball" --selbsttest >"$work/check.log" 2>&1; then fail "the self-check found the installation incomplete"; fi
expect() { grep -qxF "$1" "$work/check.log" || fail "self-check: expected '$1'"; }
expect "Hilfe: $usr/share/krashball/Dok/Hilfe.html"
expect "Klänge: $usr/share/krashball/Sounds"
expect "Datenordner: $work/data/krashball/Daten"
expect "Programmsymbol: vorhanden"
expect "Team-Dateien: application/x-krashball-team"
expect "Klangmodul: vorhanden"
# Sounds and printing are loaded when first used, not linked into every start.
readelf -d "$usr/bin/krashball" | grep -q 'NEEDED.*Multimedia' && fail "the program links Qt Multimedia"
"$usr/bin/krv" --help | grep -q '^Aufruf: krv' || fail "the installed krv does not run"
"$usr/bin/krv" show "$usr/share/krashball/examples/Orks.krt" | grep -q Orks || fail "krv does not read the shipped example"

[ "$failures" = 0 ] || { cat "$work/check.log"; exit 1; }
echo "1 passed, 0 failed"
