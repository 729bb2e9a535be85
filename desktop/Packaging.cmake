# A Debian package of the installed tree: `cpack -G DEB` in the build directory, or scripts/package.
# Fonts and pictures are compiled into the program, so the Qt and X libraries it links are all it
# needs; dpkg-shlibdeps reads them off the binary. Qt's platform and image plugins ship in the Qt
# GUI library's package, which that brings in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME aeris400)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Aeris400 demo authors")
set(CPACK_PACKAGE_CONTACT "Aeris400 demo authors <aeris400@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "demand-controlled ventilation demo")
set(CPACK_PACKAGE_DESCRIPTION [[
A desktop simulation of the demand control of a home ventilation unit.
Two sliders set a CO2 concentration and a relative humidity, a wall
switch steps through three stages, and the fans turn at the pace of
the highest demand. It reads no sensors and controls no device.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

include(CPack)
