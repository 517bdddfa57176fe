# `cpack -G DEB` in the build folder packs what `cmake --install` installs
# into a Debian package under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PELU_PAKETNAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${PELU_PAKETBETREUER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "race board game for one to four colours")
set(CPACK_PACKAGE_DESCRIPTION
    "Pelu mit Tarro is a race board game on a cross-shaped board for one to four
colours, each with four figures. A figure comes out of its home with a roll
of 5, travels once round the ring of 68 fields and must reach the goal at the
end of its colour's lane with an exact roll. Figures passed on an ordinary
field are sent home; bench fields protect, and two figures of one colour
form a block nobody may pass.

Every colour can be played by a human or by a computer player; colours with
the same player number play as partners. The package also holds pelu-sim,
which checks data files and plays whole games without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Stripped as Debian strips, the compiler's .comment notes too
# (Debianordnung.cmake).
set(CPACK_PELU_STRIP ${CMAKE_STRIP})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from the programs themselves; the window's fonts on top. Qt's
# Wayland platform plugin, so the game runs natively in a Wayland session
# (Debian's default desktop) instead of through its X compatibility layer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A source package (cpack --config CPackSourceConfig.cmake) without the
# repository and the build folders.
# (Regular expressions without a backslash: CPack writes them into a file it
# reads back, where "\." would be an invalid escape.)
set(CPACK_SOURCE_IGNORE_FILES "/[.]git/" "/build[^/]*/" "/fuzz-corpus/")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/Debianordnung.cmake)
include(CPack)
