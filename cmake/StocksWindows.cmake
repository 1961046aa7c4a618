# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows build: Qt, libUEMF and GoogleTest built for Windows live outside the toolchain's
# root (scripts/build-windows puts them in its cache), so their folders join the roots the
# toolchain file searches, as Qt's own toolchain would add Qt's.
set(STOCKS_WINDOWS_PREFIXES "" CACHE STRING "Folders holding Qt, libUEMF and GoogleTest for Windows")
list(APPEND CMAKE_FIND_ROOT_PATH ${STOCKS_WINDOWS_PREFIXES})
list(APPEND CMAKE_PREFIX_PATH ${STOCKS_WINDOWS_PREFIXES})
set(STOCKS_PACKAGE_DIR ${PROJECT_BINARY_DIR}/packages CACHE PATH "Where the zip and the installer go")

# Linked like the build machine's -luemf, which the libraries name as plain "uemf".
if(NOT STOCKS_CORE_ONLY)
    find_library(STOCKS_UEMF_IMPORT_LIBRARY uemf REQUIRED)
    find_path(STOCKS_UEMF_INCLUDE_DIR uemf.h REQUIRED)
    find_file(STOCKS_UEMF_DLL libuemf.dll PATH_SUFFIXES bin REQUIRED)
    add_library(uemf SHARED IMPORTED GLOBAL)
    set_target_properties(uemf PROPERTIES IMPORTED_IMPLIB ${STOCKS_UEMF_IMPORT_LIBRARY}
                                          IMPORTED_LOCATION ${STOCKS_UEMF_DLL}
                                          INTERFACE_INCLUDE_DIRECTORIES ${STOCKS_UEMF_INCLUDE_DIR})
endif()

# No link time stamps and no build folder names in the binaries: two builds of the same
# sources give the same program bytes.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# The DLLs every Windows binary of the project needs besides Qt's: the C++ runtime of the
# compiler and libUEMF.
set(stocks_runtime_dlls)
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE ${dll})
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${name} is")
    endif()
    list(APPEND stocks_runtime_dlls ${dll})
endforeach()
set(stocks_dlls ${stocks_runtime_dlls})
if(NOT STOCKS_CORE_ONLY)
    list(APPEND stocks_runtime_dlls ${STOCKS_UEMF_DLL})
    find_package(Qt6 REQUIRED COMPONENTS Core)
    set(stocks_dlls ${stocks_runtime_dlls} $<TARGET_FILE:Qt6::Core>)
endif()

# Tests run the Windows binaries through Wine, which finds the DLLs through WINEPATH (Wine
# shows the build machine's root as drive Z:).
find_program(STOCKS_WINE wine)
if(STOCKS_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(dll_folders)
    foreach(dll ${stocks_dlls})
        list(APPEND dll_folders Z:$<PATH:GET_PARENT_PATH,${dll}>)
    endforeach()
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/wine-run CONTENT "#!/bin/sh
# Runs a Windows program of this build under Wine with the DLLs it needs on its path.
WINEPATH=\"$<JOIN:${dll_folders},;>\${WINEPATH:+;\$WINEPATH}\" exec '${STOCKS_WINE}' \"\$@\"
" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
endif()
