#pragma once

#include "core/page_lines.h"
#include "core/settings.h"
#include "core/start_close.h"
#include "platform/shell_open.h"
#include "ui/prompts.h"
#include "ui/stokfile1.h"
#include "ui/text_codec.h"

#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace stocks {

/// Answers the windows' questions as a test sets them up and keeps every error shown.
class FakePrompts final : public Prompts {
public:
    std::optional<QString> askBrokerAddress() override
    {
        ++brokerAsked;
        return brokerAnswer;
    }
    std::optional<QString> askSkinFile(const QString& currentName) override
    {
        skinAskedWith.append(currentName);
        return skinAnswer;
    }
    bool confirmLineDeletion() override { return confirmAnswer; }
    void showError(const QString& text) override { errors.append(text); }

    std::optional<QString> brokerAnswer;
    int brokerAsked = 0;
    std::optional<QString> skinAnswer;
    QStringList skinAskedWith;
    bool confirmAnswer = false;
    QStringList errors;
};

using Lines = std::vector<std::string>;

inline std::string bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

/// The bytes of a page file holding these lines.
inline std::string pageBytes(const Lines& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

/// A page as a close leaves it: fixed lines around the user lines.
inline Lines closedPage(const Lines& userLines, int minutes)
{
    Lines page = {lines::title(), lines::refresh(60LL * minutes)};
    page.insert(page.end(), userLines.begin(), userLines.end());
    page.insert(page.end(),
                {lines::news(), lines::nasdaq(), lines::dow(), lines::site(), lines::footer()});
    return page;
}

/// A main window over a fresh folder with stocks.INI and MorvaneStocks.html beside a
/// "stocks" executable; dialogs and the shell are answered by the test.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = std::filesystem::path(dir.path().toStdString());
        files = programFilesFor(folder / "stocks");
        setPrompts(&prompts);
        platform::setShellOpener([this](const QString& target) { opened.append(target); });
    }

    void TearDown() override
    {
        form.reset();
        setPrompts(nullptr);
        platform::setShellOpener(nullptr);
    }

    /// Creates the window, which runs the start sequence; a previous window goes first.
    TForm1& start()
    {
        form.reset();
        form = std::make_unique<TForm1>(files);
        return *form;
    }

    std::filesystem::path page() const { return files.defaultPageFile; }
    std::filesystem::path backup() const { return folder / "MorvaneStocks.BAK"; }

    /// The page file's lines as saved, without the empty text after the last line break.
    Lines savedLines() const
    {
        Lines result;
        const std::string bytes = bytesOf(page());
        for (std::size_t from = 0, end; (end = bytes.find("\r\n", from)) != std::string::npos;
             from = end + 2)
            result.push_back(bytes.substr(from, end - from));
        return result;
    }

    void writeSettings(const std::string& text) const { writeBytes(files.settingsFile, text); }
    std::string setting(const char* section, const char* key) const
    {
        return Settings(files.settingsFile).readString(section, key, "<none>");
    }

    Lines items() const
    {
        Lines result;
        for (int row = 0; row < form->ListBox1->count(); ++row)
            result.push_back(fromQt(form->ListBox1->item(row)->text()));
        return result;
    }

    /// Replaces a field's text by typing, as the user would.
    static void type(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    QTemporaryDir dir;
    std::filesystem::path folder;
    ProgramFiles files;
    FakePrompts prompts;
    QStringList opened;
    std::unique_ptr<TForm1> form;
};

} // namespace stocks
