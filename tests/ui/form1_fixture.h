// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/page_lines.h"
#include "core/settings.h"
#include "core/start_close.h"
#include "platform/shell_open.h"
#include "tests/support/fake_prompts.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"
#include "ui/stokfile1.h"
#include "ui/widgets/text_codec.h"
#include "ui/widgets/unseen_list_box.h"

#include <QLineEdit>
#include <QListView>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace stocks {

/// The rows a list shows, as the page's bytes.
inline Lines rowsOf(const QAbstractItemModel* model)
{
    Lines result;
    for (int row = 0; row < model->rowCount(); ++row)
        result.push_back(fromQt(model->index(row, 0).data().toString()));
    return result;
}

/// A main window over a fresh folder with stocks.INI and MorvaneStocks.html beside a
/// "stocks" executable; dialogs and the shell are answered by the test.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = dir.path();
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

    void writeSettings(const std::string& text) const { writeBytes(files.settingsFile, text); }
    std::string setting(const char* section, const char* key) const
    {
        return Settings(files.settingsFile).readString(section, key, "<none>");
    }

    Lines items() const { return rowsOf(form->ListBox1->model()); }

    /// Replaces a field's text by typing, as the user would.
    static void type(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    TempFolder dir;
    std::filesystem::path folder;
    ProgramFiles files;
    FakePrompts prompts;
    QStringList opened;
    std::unique_ptr<TForm1> form;
};

} // namespace stocks
