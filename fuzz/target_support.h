// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "tests/support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace stocks::fuzz {

/// Aborts with the broken rule, which the fuzzer then reports with its input.
inline void require(bool holds, const char* rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

/// @brief A file of its own under the temporary folder, written afresh for each input, for the
/// entries that take a file name.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name) : path_((folder_ / name).string()) {}

    const std::string& write(std::string_view bytes)
    {
        // A new file each time: one truncated in place makes ext4 flush it when it is closed.
        std::filesystem::remove(path_);
        std::ofstream(path_, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path_;
    }

private:
    TempFolder folder_;
    std::string path_;
};

} // namespace stocks::fuzz
