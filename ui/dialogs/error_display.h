// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <functional>

namespace stocks {

class StockError;

/// Shows an error as the program's modal message box: title "Morvane Stock", stop icon, OK.
/// A file name in it shows as the platform names it, the rest as Windows-1252 text.
void showError(const StockError& error);

/// Runs one event handler. An error that leaves it is shown and the program goes on; no
/// exception ever reaches the event loop.
void runHandler(const std::function<void()>& handler);

} // namespace stocks
