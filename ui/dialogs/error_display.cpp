// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/dialogs/error_display.h"

#include "core/file_names.h"
#include "core/stock_error.h"
#include "platform/file_name_codec.h"
#include "ui/dialogs/prompts.h"
#include "ui/widgets/text_codec.h"

#include <exception>

namespace stocks {
namespace {

QString messageText(const StockError& error)
{
    const std::string& pattern = error.pattern();
    const auto at = pattern.find("%s");
    if (!error.file() || at == std::string::npos)
        return toQt(pattern);
    return toQt(pattern.substr(0, at)) + platform::fileNameToQt(fileNameOf(*error.file())) +
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
