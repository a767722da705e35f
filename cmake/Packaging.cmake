# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs,
# below /usr. dpkg-shlibdeps (package dpkg-dev) finds the libraries the programs link to and
# names their packages as dependencies.

set(K7X_PACKAGE_MAINTAINER "korvan7x developers <korvan7x@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvan7x)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${K7X_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the KORVAN 7X transceiver")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Reads the KORVAN 7X HF/CB transceiver over a serial cable, edits its channels and\n"
    "radio-wide settings, writes them back and keeps configurations in .dat files.\n"
    "Includes korvan7x-cli for scripts and korvan7x-radio, a simulated radio.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's libraries only recommend the platform plugins, yet the desktop program cannot open a
# window without them. Qt's translations let its own dialogs speak the program's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")

include(CPack)
