// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_file.h"
#include "tests/support/temp_folder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>
#include <utility>

namespace {

namespace fs = std::filesystem;

// About 70 bytes, like a stock line of a real page.
std::vector<std::string> pageLines(std::int64_t count)
{
    std::vector<std::string> lines;
    for (std::int64_t i = 0; i < count; ++i)
        lines.push_back("<a href=\"http://q.example.com/q?s=S" + std::to_string(i) +
                        "\"><img src=\"c?s=S" + std::to_string(i) + "\"></a> 95");
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

void loadPage(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto page = folder / "page.html";
    stocks::writePageFile(page, pageLines(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(stocks::readPageFile(page));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(page)));
}

// Baseline: the same file read line by line with std::getline into a vector.
void loadBaseline(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto page = folder / "page.html";
    stocks::writePageFile(page, pageLines(state.range(0)));
    for (auto _ : state) {
        std::ifstream in(page, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(std::move(line));
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(page)));
}

void savePage(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto page = folder / "page.html";
    const auto lines = pageLines(state.range(0));
    for (auto _ : state)
        stocks::writePageFile(page, lines);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(page)));
}

// Baseline: the page's bytes, already joined, written with one std::ofstream write and fsynced.
void saveBaseline(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto page = folder / "page.html";
    const auto bytes = joined(pageLines(state.range(0)));
    for (auto _ : state) {
        std::ofstream(page, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        const int fd = ::open(page.c_str(), O_WRONLY);
        ::fsync(fd);
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

// fsync times swing with other disk traffic; the fastest run shows the cost of the work itself.
double fastest(const std::vector<double>& runs)
{
    return *std::min_element(runs.begin(), runs.end());
}

using Measured = std::pair<const char*, void (*)(benchmark::State&)>;

// Each benchmark runs right beside its baseline, so that both see the same disk weather.
const bool registered = [] {
    const Measured all[] = {{"loadPage", loadPage},
                            {"loadBaseline", loadBaseline},
                            {"savePage", savePage},
                            {"saveBaseline", saveBaseline}};
    for (const std::int64_t lines : {1000, 10000, 100000}) {
        for (const auto& [name, run] : all)
            benchmark::RegisterBenchmark(name, run)->Arg(lines)->UseRealTime()->ComputeStatistics(
                "min", fastest);
    }
    return true;
}();

} // namespace
