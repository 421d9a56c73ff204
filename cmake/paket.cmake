# The Debian package: cd build && cpack -G DEB, or cmake --build build --target paket.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kabrolux)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kabrolux)
set(CPACK_PACKAGE_CONTACT "Kabrolux <paket@kabrolux.de>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://kabrolux.de/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "business simulation: run a taxi company")
# Debian wants the long description in lines of less than 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Kabrolux is a business simulation in which you run a taxi company. A game"
    "clock ticks one minute at a time; customers order taxis, you accept orders"
    "in the inbox, buy cars, hire drivers, send a taxi with a driver and collect"
    "the fare. Prices, advertising, bank loans, shares and the occasional illegal"
    "special order complete the picture."
    ""
    "The game speaks German and English, following the desktop's language.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian's games go to /usr/games, the program is stripped as dh_strip does and lintian learns
# what to let pass: cmake/paket_vorbereiten.cmake does that to the staged tree.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/paket_vorbereiten.cmake)
set(CPACK_KABROLUX_PROGRAMM ${CMAKE_INSTALL_BINDIR}/kabrolux)
set(CPACK_KABROLUX_STRIP ${CMAKE_STRIP})
set(CPACK_KABROLUX_UEBERGEHEN ${PROJECT_SOURCE_DIR}/paket/lintian-overrides)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps. It cannot see what Qt loads at run time: the X11
# platform plugin, Qt's German texts, and a font that stands in for Arial. The game's own English
# texts are built into the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2 | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)

add_custom_target(paket
    COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Building the Debian package"
    VERBATIM)
add_dependencies(paket kabrolux kabrolux_bilder_dateien kabrolux_doku)
