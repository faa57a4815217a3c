# Installing quillcalc as a desktop program:
#
#   cmake --install build [--prefix /usr]   the program, its menu entry, its
#                                           software-centre metadata, its
#                                           manual page, copyright and changelog
#
# The Debian package is built from debian/ by dpkg-buildpackage, which runs
# the same install (script/package builds it from this tree).
#
# One application id names the desktop entry, the metainfo file and the
# running program (QGuiApplication::setDesktopFileName), so that menus,
# software centres and Wayland desktops all match them to each other.
#
# The install rules are in packaging/CMakeLists.txt.

set(QUILLCALC_APP_ID "org.example.quillcalc")
target_compile_definitions(quillcalc_app PRIVATE QUILLCALC_APP_ID="${QUILLCALC_APP_ID}")

# Folders made by an install are 0755 whatever the umask of whoever builds
# (Debian policy; lintian's non-standard-dir-perm).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

add_subdirectory(packaging)
