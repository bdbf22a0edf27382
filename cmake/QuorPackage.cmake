# The Debian package: what `cmake --install` puts under /usr, with the
# dependencies dpkg-shlibdeps reads off the programs and the library.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "QUOR developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Electrostatic analysis of multilayer printed-circuit interconnect")
set(CPACK_PACKAGE_DESCRIPTION
    "Draw a board structure of dielectric layers, conductor polygons and vias, check it, cut it into patches and \
solve for the capacitance matrix, Y-parameters and a capacitor netlist. DXF export and import, and a 3D view of \
the mesh.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Control files with the permissions Debian policy asks for.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
