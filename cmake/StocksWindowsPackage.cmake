# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows program: its resources (icon, manifest, version), and the portable folder that
# `cmake --install` makes: the program with every DLL and Qt plugin it loads and the licence
# texts, all in one folder, so the program's three files can live beside it.
# scripts/windows/package turns that folder into the zip and the installer.

# Windows shows versions as four numbers.
string(REPLACE "." ";" stocks_version_parts "${PROJECT_VERSION}.0.0.0")
list(SUBLIST stocks_version_parts 0 4 stocks_version_parts)
list(JOIN stocks_version_parts "." STOCKS_FILE_VERSION)
list(JOIN stocks_version_parts "," STOCKS_FILE_VERSION_COMMAS)
# The shell's icon: the 16-colour 16-pixel image and the same design at every larger size.
set(STOCKS_PROGRAM_ICON ${PROJECT_SOURCE_DIR}/resources/shell_icon.ico)
set(STOCKS_MANIFEST ${PROJECT_BINARY_DIR}/windows/stocks.manifest)
configure_file(packaging/windows/stocks.manifest ${STOCKS_MANIFEST} @ONLY)
configure_file(packaging/windows/stocks.rc.in ${PROJECT_BINARY_DIR}/windows/stocks.rc @ONLY)
target_sources(stocks PRIVATE ${PROJECT_BINARY_DIR}/windows/stocks.rc)
set_property(SOURCE ${PROJECT_BINARY_DIR}/windows/stocks.rc APPEND PROPERTY OBJECT_DEPENDS
             ${STOCKS_PROGRAM_ICON} ${STOCKS_MANIFEST})

find_package(Qt6 REQUIRED COMPONENTS Widgets)
install(TARGETS stocks RUNTIME DESTINATION .)
install(FILES ${stocks_runtime_dlls} $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui>
              $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
# Qt looks for its plugins in these folders beside the program.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)

# The licences of everything the folder carries. Qt's come from the source it was built from.
set(STOCKS_QT_SOURCE_DIR "" CACHE PATH "The Qt source the Windows Qt was built from, for its licence texts")
install(FILES LICENSE DESTINATION licenses RENAME LICENSE.txt)
install(FILES ${STOCKS_UEMF_INCLUDE_DIR}/../share/licenses/libuemf/COPYING
        DESTINATION licenses/libuemf RENAME COPYING.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses/gcc-runtime
        RENAME copyright.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses/winpthreads
        RENAME copyright.txt)
if(STOCKS_QT_SOURCE_DIR)
    install(DIRECTORY ${STOCKS_QT_SOURCE_DIR}/LICENSES/ DESTINATION licenses/qt)
    install(FILES ${STOCKS_QT_SOURCE_DIR}/debian/copyright DESTINATION licenses/qt
            RENAME copyright.txt)
    # The third-party code Qt carries inside the DLLs above.
    # Each ends in .txt, so that a double click opens it.
    foreach(part double-conversion harfbuzz-ng libjpeg libpng pcre2 tinycbor zlib)
        file(GLOB texts LIST_DIRECTORIES false ${STOCKS_QT_SOURCE_DIR}/src/3rdparty/${part}/LICEN[CS]E*
             ${STOCKS_QT_SOURCE_DIR}/src/3rdparty/${part}/COPYING*
             ${STOCKS_QT_SOURCE_DIR}/src/3rdparty/${part}/*-license.txt)
        foreach(text ${texts})
            get_filename_component(name ${text} NAME)
            if(NOT name MATCHES "\\.txt$")
                set(name ${name}.txt)
            endif()
            install(FILES ${text} DESTINATION licenses/qt/${part} RENAME ${name})
        endforeach()
    endforeach()
else()
    message(WARNING "STOCKS_QT_SOURCE_DIR is not set: the folder will lack Qt's licence texts")
endif()

# The zip and the installer, made from what `cmake --install` puts in the portable folder.
add_custom_target(windows_packages
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows/package ${PROJECT_BINARY_DIR} ${STOCKS_PACKAGE_DIR}
    DEPENDS stocks
    COMMENT "Packing the zip and the installer into ${STOCKS_PACKAGE_DIR}"
    VERBATIM)
