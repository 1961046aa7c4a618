// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_document.h"
#include "core/page_file.h"
#include "core/page_lines.h"
#include "core/page_list.h"
#include "core/start_close.h"
#include "tests/support/headless_qt.h"
#include "tests/support/temp_folder.h"
#include "ui/dataform.h"
#include "ui/stokfile1.h"
#include "ui/widgets/text_codec.h"
#include "ui/widgets/unseen_list_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t pageLineCount = 10000;
constexpr int rounds = 7;
constexpr int addsPerRound = 30;
constexpr double addToSaveGoal = 1.3;
constexpr std::size_t hugeLineBytes = std::size_t{10} << 20;
constexpr double hugeLineAddGoalMs = 1000;

// A page as a close writes it: title and refresh, the stock lines, then the closing lines.
std::vector<std::string> bigPage()
{
    std::vector<std::string> lines{stocks::lines::title(), stocks::lines::refresh(600)};
    const std::vector<std::string> closing{stocks::lines::news(), stocks::lines::nasdaq(),
                                           stocks::lines::dow(), stocks::lines::site(),
                                           stocks::lines::footer()};
    for (std::size_t i = 0; lines.size() + closing.size() < pageLineCount; ++i)
        lines.push_back(
            stocks::lines::stock(std::to_string(i).insert(0, 1, 'S'), std::to_string(i % 500)));
    lines.insert(lines.end(), closing.begin(), closing.end());
    return lines;
}

// The page as the program loads it from the file, after the add the benchmark repeats.
std::vector<std::string> loadedPageWithAdd(const fs::path& pageFile)
{
    stocks::PageList page;
    page.assign(stocks::readPageFile(pageFile).value());
    stocks::addStock(page, "IBM", "95");
    return page.lines();
}

// The add saves before it moves the closing lines; the list box shows the page after the move.
bool addSucceeded(const TForm1& form, const fs::path& pageFile, std::size_t loadedCount)
{
    auto saved = stocks::readPageFile(pageFile).value_or(std::vector<std::string>{});
    // Reading gives the line break that ends the file an empty line of its own.
    if (saved.empty() || !saved.back().empty())
        return false;
    saved.pop_back();
    const auto added = stocks::lines::stock("IBM", "95");
    if (saved.size() != loadedCount + 1 || std::count(saved.begin(), saved.end(), added) != 1)
        return false;
    stocks::PageList shown;
    shown.assign(saved);
    stocks::placeClosingLines(shown);
    const QAbstractItemModel& listed = *form.ListBox1->model();
    if (listed.rowCount() != static_cast<int>(shown.count()))
        return false;
    for (std::size_t i = 0; i < shown.count(); ++i) {
        if (stocks::fromQt(listed.index(static_cast<int>(i), 0).data().toString()) != shown.at(i))
            return false;
    }
    return form.price->text().isEmpty();
}

// The add command as the user runs it: symbol and note typed, "+" clicked, the window updated;
// `afterEach` is what else the window draws after every add.
void timeAdds(benchmark::State& state, TForm1& form, const std::function<void()>& afterEach = {})
{
    form.Stock->setText(QStringLiteral("IBM"));
    for (auto _ : state) {
        form.price->setText(QStringLiteral("95"));
        form.addClick();
        QApplication::processEvents();
        if (afterEach)
            afterEach();
    }
}

void addClick(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto files = stocks::programFilesFor(folder.path() / "stocks");
    stocks::writePageFile(files.defaultPageFile, bigPage());
    const std::size_t loadedCount = stocks::readPageFile(files.defaultPageFile)->size();
    TForm1 form(files);
    form.show();
    QApplication::processEvents();
    timeAdds(state, form);
    if (!addSucceeded(form, files.defaultPageFile, loadedCount))
        state.SkipWithError("the add did not leave the expected page and list box");
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(fs::file_size(files.defaultPageFile)));
}

// The same page written once, in the same kind of folder: what every add must pay anyway.
void savePage(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto page = folder.path() / "MorvaneStocks.html";
    stocks::writePageFile(page, bigPage());
    const auto lines = loadedPageWithAdd(page);
    for (auto _ : state)
        stocks::writePageFile(page, lines);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(page)));
}

// An add with the data list open on a page that holds one line of 10 MB. Clicking "+" takes
// the focus from the data list, which then draws all its rows again, the huge one among them.
void addBesideAHugeLine(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto files = stocks::programFilesFor(folder.path() / "stocks");
    using namespace stocks::lines;
    stocks::writePageFile(files.defaultPageFile,
                          {title(), refresh(600), std::string(hugeLineBytes, 'x'), news(), nasdaq(),
                           dow(), site(), footer()});
    TForm1 form(files);
    TForm2 dataList;
    Form2 = &dataList;
    form.show();
    form.DatClick();
    QApplication::processEvents();
    timeAdds(state, form, [&dataList] { dataList.ListBox1->viewport()->repaint(); });
    Form2 = nullptr;
    const auto saved =
        stocks::readPageFile(files.defaultPageFile).value_or(std::vector<std::string>{});
    if (std::count(saved.begin(), saved.end(), stock("IBM", "95")) != 1 ||
        dataList.ListBox1->model()->rowCount() != form.ListBox1->model()->rowCount())
        state.SkipWithError("the add did not reach the page and the data list");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

/// @brief Shows every round as usual, then the add beside the huge line against its goal and
/// the add-to-save ratio over all rounds.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.error_occurred)
                failed_ = true;
            else if (run.run_type == Run::RT_Iteration)
                times_[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (failed_)
            return;
        if (const auto& huge = times_["addBesideAHugeLine"]; !huge.empty())
            std::printf("\nadd with the data list open beside a %zu MiB line: %.1f ms (goal <= "
                        "%.0f ms)\n",
                        hugeLineBytes >> 20, median(huge), hugeLineAddGoalMs);
        const auto& adds = times_["addClick"];
        const auto& saves = times_["savePage"];
        if (adds.empty() || saves.empty())
            return;
        const double ratioMedian = median(adds) / median(saves);
        const double ratioFastest = *std::min_element(adds.begin(), adds.end()) /
                                    *std::min_element(saves.begin(), saves.end());
        std::printf("\n%zu-line page, %zu rounds: add median %.3f ms, save median %.3f ms\n",
                    pageLineCount, adds.size(), median(adds), median(saves));
        std::printf("add/save ratio: %.3f by medians, %.3f by fastest rounds (goal <= %.2f)\n",
                    ratioMedian, ratioFastest, addToSaveGoal);
    }

    bool failed() const { return failed_; }

private:
    std::map<std::string, std::vector<double>> times_;
    bool failed_ = false;
};

struct Measured {
    const char* name;
    void (*run)(benchmark::State&);
};

// Rounds alternate so that adds and saves see the same disk weather.
void registerRounds()
{
    const Measured pair[] = {{"addClick", addClick}, {"savePage", savePage}};
    for (int round = 0; round < rounds; ++round) {
        for (const auto& measured : pair)
            benchmark::RegisterBenchmark(measured.name, measured.run)
                ->Iterations(addsPerRound)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("addBesideAHugeLine", addBesideAHugeLine)
        ->Iterations(5)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    const stocks::HeadlessQt headless;
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerRounds();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed() ? 1 : 0;
}
