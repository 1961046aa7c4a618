// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/program_files.h"

#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

fs::perms permissionsOf(const fs::path& path)
{
    return fs::status(path).permissions();
}

std::ptrdiff_t entriesIn(const fs::path& folder)
{
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST(ProgramFiles, BesideAWritableExecutableOtherwiseInAPrivateUserFolder)
{
    TempFolder folder;
    const fs::path program = folder / "lib";
    fs::create_directory(program);
    const ScopedVariable dataHome("XDG_DATA_HOME", (folder / "data").string());
    const fs::path userFolder = folder / "data" / "morvane-stocks";

    EXPECT_TRUE(canCreateFilesIn(program));
    EXPECT_EQ(entriesIn(program), 0) << "the probe is removed";
    const ProgramFiles beside = programFilesFor(program / "stocks");
    EXPECT_EQ(beside.settingsFile, program / "stocks.INI");
    EXPECT_EQ(beside.defaultPageFile, program / "MorvaneStocks.html");
    EXPECT_FALSE(fs::exists(folder / "data"));

    EXPECT_FALSE(canCreateFilesIn(folder / "missing"));
    if (::geteuid() != 0) {
        fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(canCreateFilesIn(program));
        fs::permissions(program, fs::perms::owner_all);
    }
    const ProgramFiles elsewhere = programFilesFor(folder / "missing" / "stocks");
    EXPECT_EQ(elsewhere.settingsFile, userFolder / "stocks.INI");
    EXPECT_EQ(elsewhere.defaultPageFile, userFolder / "MorvaneStocks.html");
    EXPECT_EQ(permissionsOf(folder / "data"), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(userFolder), fs::perms::owner_all);
    EXPECT_EQ(entriesIn(userFolder), 0) << "nothing shipped, nothing copied";

    const std::string shipped = "[html]\r\nrefrate=15\r\n";
    writeBytes(program / "stocks.INI", shipped);
    fs::remove_all(userFolder);
    const ProgramFiles user = programFilesFor(program / "stocks", FilesHome::userFolder);
    EXPECT_EQ(user.settingsFile, userFolder / "stocks.INI");
    EXPECT_EQ(bytesOf(user.settingsFile), shipped);
    EXPECT_EQ(entriesIn(userFolder), 1) << "no temporary copy left";

    const std::string own = "[html]\r\nrefrate=20\r\n";
    writeBytes(user.settingsFile, own);
    programFilesFor(program / "stocks", FilesHome::userFolder);
    EXPECT_EQ(bytesOf(user.settingsFile), own) << "the user's own settings are kept";

    const ScopedVariable home("HOME", (folder / "home").string());
    for (const char* ignored : {"", "relative/data"}) {
        const ScopedVariable relative("XDG_DATA_HOME", ignored);
        EXPECT_EQ(userFilesFolder(), folder / "home" / ".local" / "share" / "morvane-stocks");
    }
}

} // namespace
} // namespace stocks
