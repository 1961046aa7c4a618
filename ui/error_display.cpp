// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/error_display.h"

#include "core/file_names.h"
#include "core/stock_error.h"
#include "ui/prompts.h"
#include "ui/text_codec.h"

#include <exception>

namespace stocks {
namespace {

QString messageText(const StockError& error)
{
    const std::string& pattern = error.pattern();
    const auto at = pattern.find("%s");
    if (!error.file() || at == std::string::npos)
        return toQt(pattern);
    return toQt(pattern.substr(0, at)) + fileNameToQt(fileNameOf(*error.file())) +
           toQt(pattern.substr(at + 2));
}

} // namespace

void showError(const StockError& error)
{
    QString text = messageText(error);
    // As the original's message boxes did: a dot unless the text ends in one or in a
    // character that sorts before it.
    if (!text.isEmpty() && text.back() > u'.')
        text += u'.';
    prompts().showError(text);
}

void runHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const StockError& error) {
        showError(error);
    } catch (const std::exception& error) {
        showError(StockError(error.what()));
    }
}

} // namespace stocks
