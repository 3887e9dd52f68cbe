# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh does it) packs
# what `cmake --install` installs, under /usr, with dependencies taken from the shared
# libraries the programs actually link.

include(GzipInstall)

set(BRINDLEWICK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/brindlewick)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${BRINDLEWICK_DOC_DIR})
brindlewick_install_gzipped(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${BRINDLEWICK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brindlewick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brindlewick developers")
set(CPACK_PACKAGE_CONTACT "Brindlewick maintainers <brindlewick@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# "games" would be for the games themselves (lintian wants a program in /usr/games).
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/brindlewick/brindlewick")
# The linked libraries give the rest; the window needs Qt's platform plugins, which no
# program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The first line is the synopsis; CPack indents the rest and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "campaign editor for Quorvane and Meltharn
Brindlewick puts scenario files (*.scn, *.scx) together into campaign files
(*.cpn, *.cpx) for the strategy games Quorvane and Meltharn, and takes
campaigns apart again: it adds, removes, replaces, inserts and extracts
scenarios, sets a scenario's format version and the campaign's title.
Every scenario is kept byte for byte, and saving never damages the old file.

The package holds the editor, with its file explorer and dockable toolbars,
and the command-line companion brindlewick-cli for scripts.")
# Debian's file triggers refresh the MIME, desktop and icon caches: no maintainer scripts.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
