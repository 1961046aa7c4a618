// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/program_files.h"
#include "core/run_values.h"
#include "core/stock_error.h"

#include <filesystem>
#include <functional>

namespace stocks {

/// The full name of the page file the settings name, or of the default page when they name none.
std::string storedPageFileName(const ProgramFiles& files);

/// Shows an error message to the user; the sequence that reported it goes on.
using ErrorSink = std::function<void(const StockError& error)>;

/// Restores the previous run from the settings file and the page file. An error in one
/// step is reported and the remaining steps still run, so the watch list always loads.
void runStartSequence(RunValues& values, const ProgramFiles& files, const ErrorSink& report);

/// Rebuilds and saves the page, then writes the settings. Returns false when the window
/// must stay open because the page could not be rebuilt or saved; a page file this run
/// could not read, or one without write permission, is left as it is and does not hold
/// the window open.
bool runCloseSequence(RunValues& values, const ProgramFiles& files, const ErrorSink& report);

/// Saves the page and writes the settings as the close does while the run goes on: the page
/// list is left as it is, so a later close or edit finds what it would have found without it.
void runSessionSave(RunValues& values, const ProgramFiles& files, const ErrorSink& report);

} // namespace stocks
