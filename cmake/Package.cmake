# The Debian package: `make package` (or `cmake --build build --target package`) gives
# build/krashball_<version>_<arch>.deb, installed with `apt install ./krashball_*.deb`.
# Dependencies come from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME krashball)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teamverwaltung für Trainer des Brettspiels Krashball")
# CPack puts the summary above this text and indents its lines.
# CPack puts the summary above this text and indents its lines; Debian wants them shorter
# than 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Die Krashball-Verwaltung führt die ganze Laufbahn eines Krashball-Teams
in einer Team-Datei (.krt): Spieler mit Werten, Fertigkeiten und
Starspielerpunkten, Personal, Ein- und Ausgaben, jedes Spiel und besondere
Ereignisse. Teamwert und Schatzkammer rechnet das Programm jederzeit selbst
aus; Team-Bogen und Spieleliste werden gedruckt oder als PDF gespeichert.

Dazu gehört das Werkzeug krv, das Team-Dateien auf der Kommandozeile zeigt,
prüft und anlegt.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Krashball-Verwaltung <krashball@users.invalid>")
# A record keeper for coaches plays no game itself: not "games" (which would also want
# /usr/games) but the section for programs that fit no other.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without the platform plugins Qt opens no window; German Qt texts and the metric-compatible
# serif font of the team sheet are wanted but not required; so is OpenSSL, which Qt loads at
# run time for an update server with an https address.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation, libssl3")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Packing does not build: `make package` has built everything before, and the package test
# packs the finished build while other tests run.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
