# cmake --install: the two programs, the engine library in a folder of its
# own (it is Kurvalon's, not a library for others), the desktop files
# (desktop/CMakeLists.txt). And the Debian package that CPack builds from the
# same rules (scripts/package.sh).
set(KURVALON_LIBDIR ${CMAKE_INSTALL_LIBDIR}/kurvalon)
# The installed programs find the engine next to them, wherever the prefix is.
file(RELATIVE_PATH bin_to_lib /${CMAKE_INSTALL_BINDIR} /${KURVALON_LIBDIR})
set_target_properties(kurvalon symcalc PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_lib}")

install(TARGETS kurvalon symcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS symbolic LIBRARY DESTINATION ${KURVALON_LIBDIR})
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kurvalon RENAME copyright)

set(KURVALON_MAINTAINER "Kurvalon-Team <kurvalon@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kurvalon)
set(CPACK_PACKAGE_VENDOR "Kurvalon-Team")
set(CPACK_PACKAGE_CONTACT "${KURVALON_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Funktionsplotter und Rechner für die Schulmathematik")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Funktionsplotter und Rechner für die Schulmathematik
 Kurvalon zeichnet Funktionsgraphen und bietet die Rechner der Schulanalysis
 und Numerik: Ableitungen, Kurvendiskussion, Stammfunktionen und Flächen,
 Taylor- und Fourierreihen, Differentialgleichungen, Horner-Schema,
 Gauß-Verfahren, Newton- und Spline-Interpolation. Die Oberfläche ist deutsch.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KURVALON_MAINTAINER}")
# The libraries the binaries link come from dpkg-shlibdeps; the engine is
# part of the package itself. Qt's German texts and the Arial-metric fonts of
# the drawing are loaded at run time, so no linker sees them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/symbolic)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2")
include(CPack)
