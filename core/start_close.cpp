// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/start_close.h"

#include "core/chart_address.h"
#include "core/file_names.h"
#include "core/integer_text.h"
#include "core/page_document.h"
#include "core/page_file.h"
#include "core/page_lines.h"
#include "core/page_location.h"
#include "core/settings.h"
#include "core/stock_error.h"

namespace stocks {
namespace {

constexpr int firstRunRefreshMinutes = 10;

void readSettings(RunValues& values, const ProgramFiles& files)
{
    const Settings settings(files.settingsFile);
    values.setPageFileName(storedPageFileName(files));
    values.setRefText(settings.readString("html", "refrate", "10"));
    values.setOldrefCaption(values.refText());
    values.setWindowPosition(settings.readInteger("form", "top", 100),
                             settings.readInteger("form", "left", 100));
    values.setBrokerVisible(settings.readBool("broker", "vis", true));
    values.setSkinFileName(settings.readFileName("form", "skin", "0"));
}

void readChart(RunValues& values, const ProgramFiles& files, const ErrorSink& report)
{
    // A broken address is reported once, and this run draws its charts from the built-in one.
    values.setChartAddress(std::string(lines::builtInChartAddress()));
    try {
        values.setChartAddress(readChartAddress(Settings(files.settingsFile)));
    } catch (const StockError& error) {
        report(error);
    }
}

void setSpinnerFromRef(RunValues& values, const ErrorSink& report)
{
    try {
        values.setSpinnerPosition(toInteger(values.refText()));
    } catch (const StockError& error) {
        report(error);
        // A refresh field that is not a number would make every close fail; start over at 10.
        const std::string minutes = std::to_string(firstRunRefreshMinutes);
        values.setRefText(minutes);
        values.setOldrefCaption(minutes);
        values.setSpinnerPosition(firstRunRefreshMinutes);
    }
}

void loadPage(RunValues& values, const ErrorSink& report)
{
    std::optional<std::vector<std::string>> lines;
    try {
        // A file that is there but unreadable is kept safe from this run's saves.
        lines = loadPageFile(values);
    } catch (const StockError& error) {
        report(error);
        return;
    }
    PageList& page = values.pageList();
    if (!lines) {
        if (page.count() == 0) {
            seedNewPage(page);
            values.setSpinnerPosition(firstRunRefreshMinutes);
            values.setLookVisible(false);
        }
        return;
    }
    page.assign(std::move(*lines));
}

// A page file that still holds what this run's last closing save wrote is not written
// again: a session's save followed by the close then saves once, and the backup keeps the
// page from before them.
void saveClosingPage(RunValues& values, const PageList& page)
{
    if (!values.closingPageSaved() || !pageFileHolds(pathOf(values.pageFileName()), page.lines()))
        savePage(values, page.lines());
    values.setClosingPageSaved(true);
}

// The minutes are written only with a page that carries them: a page left as it is on disk
// keeps its refresh line, and the next close must find that line to replace it.
void writeClosingSettings(const RunValues& values, const ProgramFiles& files, bool pageSaved,
                          const ErrorSink& report)
{
    try {
        Settings settings(files.settingsFile);
        const std::string page = fileNameForSettings(
            pageFileForSettings(values.pageFileName(), settings.readFileName("html", "file", ""),
                                files.defaultPageFile));
        const std::string top = std::to_string(values.windowTop());
        const std::string left = std::to_string(values.windowLeft());
        // One replacement of the file for all keys: they land together or not at all.
        if (pageSaved)
            settings.writeStrings({{"html", "file", page},
                                   {"html", "refrate", values.refText()},
                                   {"form", "top", top},
                                   {"form", "left", left}});
        else
            settings.writeStrings(
                {{"html", "file", page}, {"form", "top", top}, {"form", "left", left}});
    } catch (const StockError& error) {
        // The page is safe on disk; a settings file we cannot write must not trap the user.
        report(error);
    }
}

// Takes in an edit made to the page file by someone else, then rebuilds the page list, or a
// copy of it, saves it and writes the settings. False when the page could not be rebuilt or
// saved: the settings then keep the minutes of the page on disk.
bool saveAsClosing(RunValues& values, bool onCopy, const ProgramFiles& files,
                   const ErrorSink& report)
{
    try {
        followPageFile(values);
        PageList copy;
        if (onCopy)
            copy.assign(values.pageList().lines());
        PageList& page = onCopy ? copy : values.pageList();
        rebuildForSaving(page, values.oldrefCaption(), values.refText());
        saveClosingPage(values, page);
    } catch (const StockError& error) {
        report(error);
        // A page this run could not read, or may not write, stays as it is on disk; nothing
        // held here can be saved over it, so keeping the window open would only trap the user.
        if (!pageFileKeptAsItIs(values))
            return false;
        writeClosingSettings(values, files, false, report);
        return true;
    }
    writeClosingSettings(values, files, true, report);
    return true;
}

} // namespace

std::string storedPageFileName(const ProgramFiles& files)
{
    return pageFileFromSettings(Settings(files.settingsFile).readFileName("html", "file", ""),
                                files.defaultPageFile);
}

void runStartSequence(RunValues& values, const ProgramFiles& files, const ErrorSink& report)
{
    values.applyWindowShape();
    readSettings(values, files);
    readChart(values, files, report);
    if (values.skinFileName() != "0") {
        try {
            values.loadSkin(values.skinFileName());
        } catch (const StockError& error) {
            report(error);
        }
    }
    setSpinnerFromRef(values, report);
    loadPage(values, report);
}

bool runCloseSequence(RunValues& values, const ProgramFiles& files, const ErrorSink& report)
{
    return saveAsClosing(values, false, files, report);
}

void runSessionSave(RunValues& values, const ProgramFiles& files, const ErrorSink& report)
{
    // The rebuild works on a copy: the run goes on with the list as the user left it, and
    // the oldref caption still names the refresh line that list carries.
    saveAsClosing(values, true, files, report);
}

} // namespace stocks
