# Install rules and the Debian package: the program under games/, its data under
# share/games/stroylik, and what a desktop needs to list it (entry, icons, AppStream, manual).

install(TARGETS stroylik RUNTIME DESTINATION games)
# The data folder as the generator made it; anything a run from the build tree may have left
# there (saves, exports, logs) stays behind; the catalogues go where Debian keeps them.
install(DIRECTORY ${GAME_DIR}/ DESTINATION ${STROYLIK_DATA_INSTALL_DIR}
  PATTERN save EXCLUDE
  PATTERN k1.dat EXCLUDE
  PATTERN k2.dat EXCLUDE
  PATTERN Help_Save.ini EXCLUDE
  PATTERN Debug.txt EXCLUDE
  PATTERN *.tmp EXCLUDE
  PATTERN locale EXCLUDE)
install(DIRECTORY ${ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The translated desktop entry, AppStream data and manual pages: cmake/dist_translations.cmake.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stroylik)
set(CPACK_PACKAGE_VENDOR "The Stroylik team")
set(CPACK_PACKAGE_CONTACT "The Stroylik team <team@stroylik.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture puzzle for young children")
set(CPACK_PACKAGE_DESCRIPTION "Stroylik shows a sample picture and a palette of pieces; the child\ndrags the pieces into the build field and rebuilds the picture. Two boxes of\nlevels: big blocks, and small layered shapes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://stroylik.org/)
# Library dependencies come from what the program links; the font is opened by path, so it is
# named by hand, as is the Mesa driver set that lets the game draw without a GPU driver.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libgl1-mesa-dri")
include(CPack)
