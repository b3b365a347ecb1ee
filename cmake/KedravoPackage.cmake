# `make package`: a Debian package of the desktop program, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kedravo)
set(CPACK_PACKAGE_VENDOR "The KEDRAVO developers")
set(CPACK_PACKAGE_CONTACT ${KEDRAVO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "price lines and their crossing counts for a currency trader")
# Lines of at most 80 characters, as Debian asks of a description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "KEDRAVO V2 keeps the price levels (lines) a currency trader reads off\n"
       "charts, on up to ten pages of one instrument each. Entering the current\n"
       "price lists every line the move touched or passed; the trader throws some\n"
       "away and every other one counts one more crossing.\n"
       "The data are kept in three Shift-JIS text files, with an optional\n"
       "time-stamped backup at every exit. The windows are in Japanese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the program's own links; the fonts and fontconfig from what the windows name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fontconfig")
# Japanese texts in the dialogs Qt draws itself, and the Wayland platform for Wayland desktops.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
include(CPack)
