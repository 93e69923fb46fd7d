# Installation: `cmake --install build [--prefix P]`, DESTDIR honoured. Lays out the program as
# a desktop expects it: programs in bin, QXTools in the program's own library folder, the
# shipped files in share/krashball, and the desktop entry, icons, file type, AppStream data,
# man pages, copyright and changelog where the desktop, `man` and Debian look for them.
include(GNUInstallDirs)

set(KRV_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/krashball)
set(KRV_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/krashball)
# QXTools serves this program alone: it installs no headers and promises no interface to
# anyone else, so it is a private library in the program's own folder below the
# architecture's library folder (no ldconfig, no shlibs, no package of its own), found
# through the program's RUNPATH.
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT CMAKE_INSTALL_LIBDIR MATCHES "${CMAKE_LIBRARY_ARCHITECTURE}$")
  set(KRV_INSTALL_PRIVATE_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/krashball)
else()
  set(KRV_INSTALL_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/krashball)
endif()

# Installed programs find QXTools relative to themselves, so any prefix works without
# LD_LIBRARY_PATH; the build tree keeps its own path to the library.
file(RELATIVE_PATH KRV_PRIVATE_LIBDIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KRV_INSTALL_PRIVATE_LIBDIR})

# Man pages and the changelog go compressed (gzip -n: no name or time stamp in the file, so
# the same sources give the same bytes).
set(KRV_COMPRESSED_DOCS)
foreach(source share/man/krv.1 share/man/krashball.1 share/doc/changelog)
  get_filename_component(name ${source} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressed
                     COMMAND sh -c "gzip -9nc \"$1\" >\"$2\"" sh ${CMAKE_SOURCE_DIR}/${source} ${compressed}
                     DEPENDS ${source} VERBATIM)
  list(APPEND KRV_COMPRESSED_DOCS ${compressed})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${KRV_COMPRESSED_DOCS})

install(TARGETS krv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/compressed/krv.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES share/doc/copyright ${CMAKE_BINARY_DIR}/compressed/changelog.gz DESTINATION ${KRV_INSTALL_DOCDIR})
install(FILES share/examples/Orks.krt DESTINATION ${KRV_INSTALL_DATADIR}/examples)

if(KRV_GUI)
  # The library's soname carries its interface number; the file name the whole version.
  set_target_properties(qxtools PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION 1)
  set_target_properties(krashball PROPERTIES INSTALL_RPATH "$ORIGIN/${KRV_PRIVATE_LIBDIR_FROM_BINDIR}")
  install(TARGETS krashball RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_BINARY_DIR}/compressed/krashball.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # Only the runtime library: QXTools installs no headers, so no development link.
  install(TARGETS qxtools LIBRARY DESTINATION ${KRV_INSTALL_PRIVATE_LIBDIR} NAMELINK_SKIP)
  # The sound player module beside it, where the program looks for it.
  install(TARGETS krashball_sound LIBRARY DESTINATION ${KRV_INSTALL_PRIVATE_LIBDIR})
  target_compile_definitions(krashball_widgets PRIVATE KRV_PRIVATE_LIBDIR_FROM_BINDIR="${KRV_PRIVATE_LIBDIR_FROM_BINDIR}")

  install(DIRECTORY share/Dok share/Sounds DESTINATION ${KRV_INSTALL_DATADIR})
  install(FILES share/desktop/krashball.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES share/desktop/de.krashball.krashball.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES share/desktop/krashball-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME krashball.xml)
  install(FILES share/icons/krashball.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(DIRECTORY share/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

  # Installed straight onto this system (no DESTDIR, as packages do it): let the desktop
  # learn the new file type, menu entry and icon at once. The tools are optional.
  install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
      set(share "${CMAKE_INSTALL_PREFIX}/share")
      find_program(KRV_UPDATE_MIME update-mime-database)
      find_program(KRV_UPDATE_DESKTOP update-desktop-database)
      find_program(KRV_UPDATE_ICONS gtk-update-icon-cache)
      if(KRV_UPDATE_MIME)
        execute_process(COMMAND ${KRV_UPDATE_MIME} "${share}/mime" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(KRV_UPDATE_DESKTOP)
        execute_process(COMMAND ${KRV_UPDATE_DESKTOP} "${share}/applications" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(KRV_UPDATE_ICONS)
        execute_process(COMMAND ${KRV_UPDATE_ICONS} -q -t "${share}/icons/hicolor" OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()
  ]])
endif()

if(KRV_TESTS)
  # The handbook has a section for every help key of the code; every sound played exists.
  add_test(NAME shipped_files COMMAND ${CMAKE_SOURCE_DIR}/tests/program/shipped_files_test.sh ${CMAKE_SOURCE_DIR})
endif()

if(KRV_TESTS AND KRV_GUI)
  # Installs into a temporary DESTDIR and checks the result as a desktop would see it.
  add_test(NAME program_install
           COMMAND ${CMAKE_SOURCE_DIR}/tests/program/install_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(program_install PROPERTIES RESOURCE_LOCK install_manifest)
  # The Debian package, judged by lintian; not from a sanitizer build, which is never packaged.
  find_program(LINTIAN lintian)
  if(LINTIAN AND NOT KRV_SANITIZE)
    add_test(NAME program_package COMMAND ${CMAKE_SOURCE_DIR}/tests/program/package_test.sh ${CMAKE_BINARY_DIR})
    # Both install from the build tree, which keeps one install manifest.
    set_tests_properties(program_package PROPERTIES RESOURCE_LOCK install_manifest)
  endif()
endif()

if(KRV_TESTS AND KRV_GUI)
  # The pictures of the handbook and the README, made from the real windows by
  # tools/screenshots.sh. Built with the rest, so a window change that breaks it shows at once.
  add_executable(help_screenshots tools/screenshots/HelpScreenshots.cpp)
  target_include_directories(help_screenshots PRIVATE tests)
  target_link_libraries(help_screenshots PRIVATE krashball_widgets)
endif()
