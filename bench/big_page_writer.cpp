// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_file.h"
#include "core/page_lines.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Writes a page as a close leaves it, with the given number of stock lines of about the size
// a real watch list has, or with one user line of the given size in bytes.
int main(int argc, char** argv)
{
    const std::string usage = "usage: big_page_writer PAGE (stocks COUNT | long-line BYTES)\n";
    if (argc != 4) {
        std::fputs(usage.c_str(), stderr);
        return 2;
    }
    const std::string kind = argv[2];
    const auto amount = std::strtoull(argv[3], nullptr, 10);
    using namespace stocks::lines;
    std::vector<std::string> page{title(), refresh(600)};
    if (kind == "stocks") {
        page.reserve(amount + 7);
        for (unsigned long long i = 0; i < amount; ++i)
            page.push_back(stock(std::to_string(100000 + i % 900000).insert(0, 1, 'S'),
                                 std::to_string(i % 997).append(".25")));
    } else if (kind == "long-line") {
        page.emplace_back(amount, 'x');
    } else {
        std::fputs(usage.c_str(), stderr);
        return 2;
    }
    page.insert(page.end(), {news(), nasdaq(), dow(), site(), footer()});
    stocks::writePageFile(argv[1], page);
    return 0;
}
