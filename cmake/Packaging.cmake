# Where `cmake --install` puts the program and its manual page, and the Debian package
# `make package` builds from the same rules.
include(GNUInstallDirs)

# The manual page carries the version the program gives.
configure_file("${PROJECT_SOURCE_DIR}/doc/tallowmere.1.in" "${PROJECT_BINARY_DIR}/tallowmere.1" @ONLY)

install(TARGETS tallowmere RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_BINARY_DIR}/tallowmere.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

set(TALLOWMERE_MAINTAINER "Tallowmere developers <tallowmere@example.org>"
    CACHE STRING "The Maintainer line of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallowmere)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converts TXA exports so that version 6 accepts them")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tallowmere reads the plain-text export (TXA) of an application from a visual\n"
       "development environment, applies the line-level corrections you choose and\n"
       "writes a converted export that version 6 of that environment accepts. It has\n"
       "a window in the terminal and a batch converter for scripts.")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_SOURCE_DIR}/dist")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TALLOWMERE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries the program links (the C++ runtime, ncurses) with the
# versions this build needs, so the package installs wherever those are met.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
