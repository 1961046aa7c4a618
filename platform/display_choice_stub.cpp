// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/display_choice.h"

namespace stocks::platform {

// One window system, with its desktop always there: nothing to choose, nothing to miss.

ApplicationArguments::ApplicationArguments(int argc, char** argv)
    : count_(argc), values_(argv, argv + argc)
{
    values_.push_back(nullptr);
}

bool displayGiven(int, char**)
{
    return true;
}

bool canPlaceWindows()
{
    return true;
}

bool masksWindowPixels()
{
    return true;
}

} // namespace stocks::platform
