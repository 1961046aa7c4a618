#pragma once

#include "core/run_values.h"
#include "core/stock_error.h"

#include <filesystem>
#include <functional>

namespace stocks {

/// @brief Where the program keeps its files: both lie beside the executable.
struct ProgramFiles {
    std::filesystem::path settingsFile;
    std::filesystem::path defaultPageFile;
};

/// The settings file is the executable's name with its extension replaced by ".INI";
/// the default page file is "MorvaneStocks.html" in the same folder.
ProgramFiles programFilesFor(const std::filesystem::path& executable);

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

} // namespace stocks
