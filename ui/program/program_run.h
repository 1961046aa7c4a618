// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/program_files.h"

#include <functional>

class TForm1;

namespace stocks {

/// @brief One run of the program on its files, once the application object exists: one copy
/// per page file, the main window and the hidden data list window, a close on signals and
/// at logout, then the message loop until the main window closes.
/// `onShow` runs once the main window exists, just before it is shown (benchmarks use it).
int runProgram(const ProgramFiles& files, const std::function<void(TForm1&)>& onShow = {});

} // namespace stocks
