// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/stock_error.h"

#include <string>

namespace stocks {

/// The message of the StockError that action throws, or "no error" when it throws none.
template <typename Action> std::string errorOf(Action&& action)
{
    try {
        action();
    } catch (const StockError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace stocks
