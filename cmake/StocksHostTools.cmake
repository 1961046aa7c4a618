# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# A cross build cannot run what it compiles, so the tools that run while building (the seed
# writer, and the resource writer behind the "resources" target) come from a build of this
# same tree for the build machine: STOCKS_HOST_TOOLS names one, or a sub-build with the build
# machine's own compiler and Qt makes one inside this build folder.
set(STOCKS_HOST_TOOLS "" CACHE PATH "A build folder of this project for the build machine")

if(STOCKS_HOST_TOOLS)
    set(stocks_host_build ${STOCKS_HOST_TOOLS})
else()
    include(ExternalProject)
    set(stocks_host_build ${PROJECT_BINARY_DIR}/host-tools)
    # Always run: the sub-build itself decides whether a tool's sources changed.
    ExternalProject_Add(host_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${stocks_host_build}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DSTOCKS_BUILD_BENCH=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target make_resources make_fuzz_seeds
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${stocks_host_build}/tools/make_resources
                         ${stocks_host_build}/fuzz/make_fuzz_seeds)
endif()

foreach(tool tools/make_resources fuzz/make_fuzz_seeds)
    get_filename_component(name ${tool} NAME)
    add_executable(${name} IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${stocks_host_build}/${tool}
                                             CROSSCOMPILING_EMULATOR "")
    if(TARGET host_tools)
        add_dependencies(${name} host_tools)
    endif()
endforeach()
