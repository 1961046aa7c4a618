// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// The settings file's text with one key written into it. The input is a section, a key and a
// value, each ended by a zero byte, then the text.

#include "target_support.h"

#include "core/ini_profile.h"

#include <array>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, 3> fields;
    for (auto& field : fields) {
        const auto end = text.find('\0');
        if (end == std::string_view::npos)
            return -1;
        field = text.substr(0, end);
        text.remove_prefix(end + 1);
    }
    using stocks::findProfileValue;
    using stocks::fuzz::require;
    const auto [section, key, value] = fields;
    const auto written = stocks::withProfileValue(text, section, key, value);
    if (!written)
        return 0;
    // A file that holds only this key tells what the value reads back as and which names find it.
    const auto alone = stocks::withProfileValue("", section, key, value);
    require(alone.has_value(), "a key is refused in one file but not in another");
    require(findProfileValue(*written, section, key) == findProfileValue(*alone, section, key),
            "the value written reads back");
    const std::array<std::string_view, 4> sections = {"html", "form", "broker", section};
    const std::array<std::string_view, 7> keys = {"file", "refrate", "top", "left",
                                                  "vis",  "skin",    key};
    for (const auto probedSection : sections) {
        for (const auto probedKey : keys) {
            if (!findProfileValue(*alone, probedSection, probedKey))
                require(findProfileValue(*written, probedSection, probedKey) ==
                            findProfileValue(text, probedSection, probedKey),
                        "no other key's value changes");
        }
    }
    require(stocks::withProfileValue(*written, section, key, value) == written,
            "writing the same value twice changes nothing");
    return 0;
}
