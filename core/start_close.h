#pragma once

#include "core/run_values.h"

#include <filesystem>
#include <functional>
#include <string>

namespace stocks {

/// @brief Where the program keeps its files: both lie beside the executable.
struct ProgramFiles {
    std::filesystem::path settingsFile;
    std::filesystem::path defaultPageFile;
};

/// The settings file is the executable's name with its extension replaced by ".INI";
/// the default page file is "MorvaneStocks.html" in the same folder.
ProgramFiles programFilesFor(const std::filesystem::path& executable);

/// The page file the settings name, or the default page when they name none.
std::string storedPageFileName(const ProgramFiles& files);

/// Shows an error message to the user; the sequence that reported it goes on.
using ErrorSink = std::function<void(const std::string& message)>;

/// Restores the previous run from the settings file and the page file. An error in one
/// step is reported and the remaining steps still run, so the watch list always loads.
void runStartSequence(RunValues& values, const ProgramFiles& files, const ErrorSink& report);

/// Rebuilds and saves the page, then writes the settings. Returns false when the window
/// must stay open because the page could not be rebuilt or saved; a page file this run
/// could not read is left as it is and does not hold the window open.
bool runCloseSequence(RunValues& values, const ProgramFiles& files, const ErrorSink& report);

/// Writes the page list to the page file, keeping the previous page as the backup, and
/// shows the "Look now" label. Refuses to overwrite a page file this run could not read.
void savePage(RunValues& values);

} // namespace stocks
