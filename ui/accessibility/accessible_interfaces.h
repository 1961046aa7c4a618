// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

namespace stocks {

/// Lets assistive tools use the program's own controls: clickable labels as buttons and
/// links, the spinner with its value, read-only fields as not editable, plain windows as
/// frames. Process-wide; call it once the application object exists, before the windows.
void installAccessibleInterfaces();

} // namespace stocks
