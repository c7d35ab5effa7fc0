# `make package`: a Debian package of what cmake/install.cmake installs,
# written to the build folder as veldor_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veldor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELDOR_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose landscape pictures from skies, grounds and objects")
# The synopsis is the summary above; this is the extended description.
set(CPACK_PACKAGE_DESCRIPTION "Veldor composes landscape pictures. You pick a sky, which also sets the
light, lay a ground over it, and drag objects onto the picture. Special
effects finish the picture, which can be saved as a scene file, exported as
BMP or PNG, printed, or copied. Image packs add more skies, grounds and
objects.
.
The package also holds veldor-render, which renders scene files without a
display, and gives file managers a preview of every scene.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(VELDOR_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELDOR_HOMEPAGE}")
endif()
# Library dependencies as dpkg-shlibdeps finds them in the binaries, and
# Qt's Wayland platform, which no library pulls: without it GNOME and KDE on
# Wayland run the program through XWayland, blurred at fractional scales and
# with a warning about the missing plugin at every start.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland")
# The desktop's own file dialogs, through its portal, on GNOME and KDE alike;
# and Qt's own translations, for the texts of its file, print and colour
# dialogs in the user's language (without them those stay in English, save
# in the few languages Debian lacks, for which the program brings its own).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-xdgdesktopportal-platformtheme, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
