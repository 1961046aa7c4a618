# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the program as a desktop program, and packs the same tree as a .deb with cpack.
include(GNUInstallDirs)

# The program lives in a folder of its own: that folder is where it looks for its settings
# file and default page (or, when it may not write there, the user's own folder).
set(STOCKS_PROGRAM_DIR lib/morvane-stocks)
install(TARGETS stocks RUNTIME DESTINATION ${STOCKS_PROGRAM_DIR})

# The command is a relative link, so the tree works wherever it is unpacked; the program
# finds its own folder through the link.
file(RELATIVE_PATH stocks_link_target /${CMAKE_INSTALL_BINDIR} /${STOCKS_PROGRAM_DIR}/stocks)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install)
file(CREATE_LINK ${stocks_link_target} ${PROJECT_BINARY_DIR}/install/morvane-stocks SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install/morvane-stocks DESTINATION ${CMAKE_INSTALL_BINDIR})

set(STOCKS_APP_ID com.morvane.Stocks)
install(FILES desktop/${STOCKS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Its release list comes from NEWS.md (cmake/StocksVersion.cmake).
configure_file(desktop/${STOCKS_APP_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/${STOCKS_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${STOCKS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# 16 pixels is the 16-colour icon itself, the larger sizes the same design drawn at that size.
foreach(size 16 24 32 48 64 128 256)
    install(FILES resources/program_icon_${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${STOCKS_APP_ID}.png)
endforeach()

# The manual, the changelog and the copyright, where Debian's policy and man look for them.
set(STOCKS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/morvane-stocks)
configure_file(docs/morvane-stocks.1.in ${PROJECT_BINARY_DIR}/morvane-stocks.1 @ONLY)
set(CPACK_PACKAGE_NAME morvane-stocks)
set(CPACK_PACKAGE_CONTACT "Morvane <stocks@morvane.com>")
# Debian's changelog says in its format what NEWS.md says.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/news-to-changelog ${PROJECT_SOURCE_DIR}/NEWS.md
            ${CPACK_PACKAGE_NAME} ${CPACK_PACKAGE_CONTACT} > ${PROJECT_BINARY_DIR}/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/NEWS.md ${PROJECT_SOURCE_DIR}/packaging/news-to-changelog VERBATIM)
foreach(source ${PROJECT_BINARY_DIR}/morvane-stocks.1 ${PROJECT_BINARY_DIR}/changelog)
    get_filename_component(name ${source} NAME)
    # -n: no name or time stamp inside, so the package is the same whenever it is built.
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${name}.gz
        COMMAND gzip -9n -c ${source} > ${PROJECT_BINARY_DIR}/${name}.gz
        DEPENDS ${source} VERBATIM)
    list(APPEND stocks_compressed ${PROJECT_BINARY_DIR}/${name}.gz)
endforeach()
# Made with the program, so that building the program alone gives everything the install takes.
add_custom_target(compressed_docs DEPENDS ${stocks_compressed})
add_dependencies(stocks compressed_docs)
install(FILES ${PROJECT_BINARY_DIR}/morvane-stocks.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz packaging/copyright DESTINATION ${STOCKS_DOC_DIR})

set(CPACK_PACKAGE_VENDOR Morvane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tiny desktop stock watcher")
set(CPACK_PACKAGE_DESCRIPTION "A free-standing dollar sign on the desktop keeps a watch list of
stock symbols as a web page of charts that the browser shows and refreshes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://${STOCKS_MAKER_HOST}/)
# Qt 6 widgets, libuemf and the C++ runtime, as dpkg-shlibdeps finds them in the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opening the page and the maker's site goes through xdg-open; on Wayland Qt needs its plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, qt6-wayland")
include(CPack)
