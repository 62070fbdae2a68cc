# CPack's DEB generator: `cpack -G DEB` in a build folder (scripts/package does it with
# Debian's hardening flags) writes vaporel_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaporel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VAPOREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "thermodynamic and thermophysical properties of humid air")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends are read off the binaries' shared libraries by dpkg-shlibdeps, never typed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop program opens its reference document with xdg-open, and shows its windows
# through Qt's platform plugin (xcb), loaded at run time where dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-qpa-plugins")
# The extended description; CPack writes the summary above it and indents every line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Vaporel resolves a state of humid air from the absolute pressure and one of
five input pairs (dry bulb temperature with relative humidity, wet bulb
temperature, enthalpy or absolute humidity; absolute humidity with enthalpy)
and shows dew point, density, enthalpy, vapour pressure and four transport
properties. Every input is checked against the limits of the correlations.

The desktop program writes a one-page report workbook (.xls) to view, save or
print; the batch calculator vaporel-calc does the same from scripts and
resolves CSV files row by row.")
# Files under /usr are root's and the folders 0755, whatever the build machine's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# lintian finds no error and no warning. Its remaining notes are expected:
#  - package-contains-documentation-outside-usr-share-doc (For Soft.doc): the reference
#    document is the program's data, opened by "Source" from the program's folder;
#  - spelling-error-in-binary (successfuly): the program's own message, kept as it is;
#  - binary-has-unneeded-section .comment: the compiler's identification, left by strip.
include(CPack)
