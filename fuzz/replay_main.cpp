// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Without libFuzzer a target runs every file of the folders it is given once, as libFuzzer
// runs a corpus, so that any build replays the seeds and the inputs that once failed.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        // Every folder is in the tree (an empty one holds a hidden placeholder): one that cannot
        // be read means the replay would prove less than it says.
        std::error_code error;
        std::filesystem::directory_iterator folder(argv[i], error);
        if (error) {
            std::fprintf(stderr, "cannot read %s: %s\n", argv[i], error.message().c_str());
            return 1;
        }
        for (const auto& entry : folder) {
            if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
                inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        std::fprintf(stderr, "%s\n", input.string().c_str());
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs replayed\n", inputs.size());
    // Replaying nothing would prove nothing: the seed folder is always there.
    return inputs.empty() ? 1 : 0;
}
