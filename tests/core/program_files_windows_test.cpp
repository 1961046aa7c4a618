// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/program_files.h"

#include "core/file_names.h"
#include "core/page_file.h"
#include "core/settings.h"
#include "core/start_close.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include <windows.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name)
    {
        wchar_t old[MAX_PATH * 4];
        const DWORD size = ::GetEnvironmentVariableW(name, old, MAX_PATH * 4);
        if (size > 0 && size < MAX_PATH * 4)
            old_ = std::wstring(old, size);
        ::SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedVariable() { ::SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const wchar_t* name_;
    std::optional<std::wstring> old_;
};

TEST(ProgramFiles, TheUserFolderIsMorvaneStocksInTheApplicationDataEvenOutsideTheAnsiCodePage)
{
    TempFolder folder;
    const fs::path program = folder / "Program Files";
    fs::create_directory(program);
    writeBytes(program / "stocks.INI", "[html]\r\nrefrate=15\r\n");
    const fs::path appData = folder / fs::path(L"\u7528\u6237 Zo\u00eb") / "AppData";
    const ScopedVariable variable(L"APPDATA", appData.native());
    const fs::path userFolder = appData / "Morvane Stocks";
    EXPECT_EQ(userFilesFolder(), userFolder);

    const ProgramFiles files = programFilesFor(program / "stocks.exe", FilesHome::userFolder);
    EXPECT_EQ(files.settingsFile, userFolder / "stocks.INI");
    EXPECT_EQ(files.defaultPageFile, userFolder / "MorvaneStocks.html");
    EXPECT_EQ(bytesOf(files.settingsFile), "[html]\r\nrefrate=15\r\n");

    // The default page there is saved, stored in the settings and found again by the next start.
    const std::string page = storedPageFileName(files);
    EXPECT_EQ(pathOf(page), files.defaultPageFile);
    writePageFile(pathOf(page), {"IBM"});
    Settings(files.settingsFile).writeFileName("html", "file", page);
    EXPECT_EQ(storedPageFileName(files), page);
    EXPECT_EQ(readPageFile(pathOf(storedPageFileName(files))), (Lines{"IBM", ""}));
    EXPECT_EQ(std::distance(fs::directory_iterator(userFolder), {}), 2);

    for (const wchar_t* ignored : {L"", L"relative\\data"}) {
        const ScopedVariable relative(L"APPDATA", ignored);
        const fs::path fallback = userFilesFolder();
        EXPECT_TRUE(fallback.is_absolute()) << fallback;
        EXPECT_EQ(fallback.filename(), "Morvane Stocks");
    }
}

} // namespace
} // namespace stocks
