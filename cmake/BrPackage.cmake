# The .deb (cpack -G DEB in a build folder): everything `cmake --install` puts under a prefix, under
# /usr. Debian's own tools read which system libraries it needs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${BR_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "BrMeasureTotalDlg developers")
set(CPACK_PACKAGE_CONTACT "BrMeasureTotalDlg developers <nobody@invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "running-total dialog of measurements, with its host libraries and Windows stand-in")
set(CPACK_PACKAGE_DESCRIPTION
    "The dialog component, the host's framework, utility, UI and calculation libraries, the Windows and MFC stand-in they run on, their public headers, a CMake package and a pkg-config file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# dpkg-shlibdeps turns the libraries' needs into Depends; our own libraries are found in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
# The fonts the alias file maps the Windows face names to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# The libraries are in a folder of their own that the loader never searches: no ldconfig to run.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_LDCONFIG OFF)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
