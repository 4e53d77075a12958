# The Debian package: `cpack -G DEB` in a configured build directory (scripts/package does
# it in one command). The version is the project's, the one --version prints.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME traxen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TRAXEN developers")
set(CPACK_PACKAGE_CONTACT "${TRAXEN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check welded hollow-section truss joints to EN 1993-1-8")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # traxen_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TRAXEN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TRAXEN_HOMEPAGE}")
# The libraries the programs link come from the binaries themselves (dpkg-shlibdeps); the
# SVG icon engine and the report's fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation2")
# Their file triggers register the menu entry, the file type and the icon on installation.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info, hicolor-icon-theme")
# The long description: CPack puts the summary above it and indents it for the control file.
set(CPACK_PACKAGE_DESCRIPTION
    "TRAXEN checks welded planar truss joints of square and rectangular hollow
sections to EN 1993-1-8 chapter 7: T, Y and X joints, K and N joints with a
gap or an overlap, plain or reinforced with plates. It prints a paginated
calculation report in Estonian with a dimensioned sketch of the joint, every
validity condition and every resistance formula in symbols, with numbers and
as a result.

The package holds the desktop program traxen, the command-line program
traxen-cli for scripts and batch checks (reports as PDF, PNG or text), and a
library of hollow-section tables.")

include(CPack)
