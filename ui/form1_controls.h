// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QWidget;
class TForm1;

namespace stocks {

/// @brief Creates the main window's controls on its client area from one table, as a form
/// file would: name, kind, caption, place, font, colour, cursor, hint and spoken name.
void createForm1Controls(TForm1& form, QWidget* client);

} // namespace stocks
