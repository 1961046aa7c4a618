# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The version lives in project() alone. NEWS.md's newest heading must name it, so a version
# bump without its news (or news for a version not yet set) stops the build at configure.
# Sets STOCKS_RELEASE_DATE (YYYY-MM-DD, the manual page's date) and STOCKS_APPSTREAM_RELEASES
# (one <release> element per NEWS.md heading, newest first).
set(stocks_news ${PROJECT_SOURCE_DIR}/NEWS.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${stocks_news})
file(STRINGS ${stocks_news} stocks_news_headings REGEX "^## ")
if(NOT stocks_news_headings)
    message(FATAL_ERROR "NEWS.md has no version heading (## VERSION (YYYY-MM-DD))")
endif()

set(STOCKS_APPSTREAM_RELEASES "")
foreach(heading ${stocks_news_headings})
    if(NOT heading MATCHES "^## ([0-9]+(\\.[0-9]+)*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
        message(FATAL_ERROR "NEWS.md: \"${heading}\" is not \"## VERSION (YYYY-MM-DD)\"")
    endif()
    if(NOT DEFINED stocks_news_version)
        set(stocks_news_version ${CMAKE_MATCH_1})
        set(STOCKS_RELEASE_DATE ${CMAKE_MATCH_3})
    else()
        string(APPEND STOCKS_APPSTREAM_RELEASES "\n    ")
    endif()
    string(APPEND STOCKS_APPSTREAM_RELEASES
           "<release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_3}\"/>")
endforeach()

if(NOT stocks_news_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "NEWS.md's newest entry is for ${stocks_news_version}, but the project "
                        "version is ${PROJECT_VERSION}: add its entry to NEWS.md, or set the "
                        "version in CMakeLists.txt's project()")
endif()
