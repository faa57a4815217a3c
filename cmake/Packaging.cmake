# Installing quillcalc as a desktop program, and its Debian package.
#
#   cmake --install build [--prefix /usr]   the program, its menu entry, its
#                                           software-centre metadata, its
#                                           manual page, copyright and changelog
#   cd build && cpack -G DEB                quillcalc_<version>_<arch>.deb
#
# One application id names the desktop entry, the metainfo file and the
# running program (QGuiApplication::setDesktopFileName), so that menus,
# software centres and Wayland desktops all match them to each other.
#
# The install rules are in packaging/CMakeLists.txt.

set(QUILLCALC_APP_ID "org.example.quillcalc")
target_compile_definitions(quillcalc_app PRIVATE QUILLCALC_APP_ID="${QUILLCALC_APP_ID}")

# Folders made by an install or in the package are 0755 whatever the umask
# of whoever builds (Debian policy; lintian's non-standard-dir-perm).
set(_quill_dir_permissions
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${_quill_dir_permissions})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${_quill_dir_permissions})

add_subdirectory(packaging)

# The Debian package. Its library dependencies are read off the binary by
# dpkg-shlibdeps (package dpkg-dev); the fonts the windows are laid out for
# are named here, as no library asks for them, xdg-utils is recommended
# for the web link (Qt opens links with xdg-open) and nec2c for the model
# window and --model, which run it.
set(CPACK_PACKAGE_NAME quillcalc)
set(CPACK_PACKAGE_VENDOR "quillcalc")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quillbeam antenna dimension calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "quillcalc works out the dimensions of a Quillbeam, a light VHF/UHF beam\n\
antenna. Type the operating frequency in megahertz, press INCHES or CM, and\n\
read every element length and boom spacing on a drawing of the antenna.")
set(CPACK_PACKAGE_CONTACT "quillcalc developers <quillcalc@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/quillcalc/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, nec2c")
# cpack installs through packaging/ alone, so that it never rewrites the
# build tree's install_manifest.txt (the top-level install script writes it).
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR}/packaging;quillcalc;ALL;/")
include(CPack)
