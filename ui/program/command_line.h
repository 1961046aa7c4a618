// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <optional>

namespace stocks {

/// @brief Answers what the command line asks before any window or file is touched:
/// -h/--help and -v/--version print and give 0, an unknown option or an argument prints the
/// usage to standard error and gives 2, a missing display is one line on standard error and
/// gives 1. Qt's own options pass. Nothing (no value) means: go on and run.
std::optional<int> answerCommandLine(int argc, char** argv);

} // namespace stocks
