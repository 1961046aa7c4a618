// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_move.h"

#include <QWindow>

namespace stocks::platform {

bool runSystemMoveLoop(QWindow& window)
{
    return window.startSystemMove();
}

} // namespace stocks::platform
