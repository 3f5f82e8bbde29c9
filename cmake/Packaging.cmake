# Where `cmake --install` puts the program and its manual page, and the Debian package
# `make package` builds from the same rules.
include(GNUInstallDirs)

set(TALLOWMERE_MAINTAINER "Tallowmere developers <tallowmere@example.org>"
    CACHE STRING "The Maintainer line of the Debian package")

# The manual page carries the version the program gives. The package's changelog names the
# version and the day it was built (SOURCE_DATE_EPOCH, when set, stands for that day).
configure_file("${PROJECT_SOURCE_DIR}/doc/tallowmere.1.in" "${PROJECT_BINARY_DIR}/tallowmere.1" @ONLY)
string(TIMESTAMP TALLOWMERE_RELEASE_DATE "%a, %d %b %Y 00:00:00 +0000" UTC)
configure_file("${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in"
               "${PROJECT_BINARY_DIR}/package-doc/changelog" @ONLY)

# Debian keeps manual pages and changelogs gzipped, without a name or time stamp inside, so
# the same sources give the same bytes.
set(gzipped "")
foreach(file tallowmere.1 package-doc/changelog)
  add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/${file}.gz"
                     COMMAND gzip -9 -n -k -f "${PROJECT_BINARY_DIR}/${file}"
                     DEPENDS "${PROJECT_BINARY_DIR}/${file}"
                     COMMENT "Compressing ${file}")
  list(APPEND gzipped "${PROJECT_BINARY_DIR}/${file}.gz")
endforeach()
add_custom_target(gzipped_documents ALL DEPENDS ${gzipped})

install(TARGETS tallowmere RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_BINARY_DIR}/tallowmere.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
# The Debian package's own name, not the project's, names its documentation folder.
install(FILES "${PROJECT_BINARY_DIR}/package-doc/changelog.gz"
              "${PROJECT_SOURCE_DIR}/packaging/debian/copyright"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/tallowmere")

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
