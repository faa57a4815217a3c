# Installing quillcalc as a desktop program, and its Debian package.
#
#   cmake --install build [--prefix /usr]   the program, its menu entry and
#                                           its software-centre metadata
#   cd build && cpack -G DEB                quillcalc_<version>_<arch>.deb
#
# One application id names the desktop entry, the metainfo file and the
# running program (QGuiApplication::setDesktopFileName), so that menus,
# software centres and Wayland desktops all match them to each other.

set(QUILLCALC_APP_ID "org.example.quillcalc")
target_compile_definitions(quillcalc_app PRIVATE QUILLCALC_APP_ID="${QUILLCALC_APP_ID}")

set(_quill_packaging_out ${CMAKE_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/quillcalc.desktop.in
  ${_quill_packaging_out}/${QUILLCALC_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/quillcalc.metainfo.xml.in
  ${_quill_packaging_out}/${QUILLCALC_APP_ID}.metainfo.xml @ONLY)

install(TARGETS quillcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_quill_packaging_out}/${QUILLCALC_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${_quill_packaging_out}/${QUILLCALC_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# The Debian package. Its library dependencies are read off the binary by
# dpkg-shlibdeps (package dpkg-dev); the fonts the windows are laid out for
# are named here, as no library asks for them.
set(CPACK_PACKAGE_NAME quillcalc)
set(CPACK_PACKAGE_VENDOR "quillcalc")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quillbeam antenna dimension calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "quillcalc works out the dimensions of a Quillbeam, a light VHF/UHF beam\n\
antenna. Type the operating frequency in megahertz, press INCHES or CM, and\n\
read every element length and boom spacing on a drawing of the antenna.")
set(CPACK_PACKAGE_CONTACT "quillcalc developers <quillcalc@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/quillcalc/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
