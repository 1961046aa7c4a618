// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stocks::samples {

/// @brief A first input of the settings file's fuzz target: one key written into a file.
struct IniSeed {
    std::string name;
    std::string section;
    std::string key;
    std::string value;
    std::string text;

    /// The target's input: the section, the key and the value, each ended by a zero byte, then
    /// the file.
    std::string input() const
    {
        std::string bytes;
        for (const std::string_view part : {section, key, value})
            bytes.append(part).push_back('\0');
        return bytes.append(text);
    }
};

/// Settings files of the shapes users and other programs leave.
inline std::vector<IniSeed> iniSeeds()
{
    const std::string saved = "[html]\r\nfile=/home/me/MorvaneStocks.html\r\nrefrate=10\r\n"
                              "[form]\r\ntop=100\r\nleft=100\r\nskin=0\r\n[broker]\r\nvis=1\r\n";
    return {
        {"saved", "html", "file", "/srv/pages/stocks.html", saved},
        {"mac", "form", "top", "-20", "[html]\rrefrate=5\r[form]\rtop=7\rleft=3\r"},
        {"edited", " Form ", "SKIN", "\"/home/me/skins/dollar sign.bmp\"",
         "; written by hand\n[FORM]\n  Top = 0x10 \nskin='old.bmp'\n\n[form]\nleft=$1F\n"
         "[broker\nvis=0\n[broker]\r\nvis=0"},
        {"new section", "broker", "vis", "0", "file=outside\r\n[html]\r\nrefrate"},
        {"long", "html", "refrate", std::string(1100, '7'), "[html]\r\nrefrate=1"},
    };
}

} // namespace stocks::samples
