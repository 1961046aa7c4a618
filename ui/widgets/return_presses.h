// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QAbstractButton;

namespace stocks {

/// Lets Enter and Return press the button while it has the focus, as Space does.
void pressOnReturn(QAbstractButton* button);

} // namespace stocks
