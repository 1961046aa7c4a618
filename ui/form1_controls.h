// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace stocks {

class ClickLabel;
class UnseenListBox;
class UpDown;

/// @brief The main window's controls, as a form file's generated class holds them: the window
/// inherits it, so each control is a member under its own name.
struct Form1Ui {
    // In creation order: later ones lie above earlier ones.
    QLabel* Image1 = nullptr;
    ClickLabel* urllabel = nullptr;
    QLabel* oldref = nullptr;
    ClickLabel* look = nullptr;
    ClickLabel* Label1 = nullptr;
    ClickLabel* xout = nullptr;
    ClickLabel* Dat = nullptr;
    ClickLabel* Brok = nullptr;
    ClickLabel* Label2 = nullptr;
    QLineEdit* Stock = nullptr;
    QLineEdit* price = nullptr;
    UnseenListBox* ListBox1 = nullptr;
    QPushButton* rem = nullptr;
    QPushButton* add = nullptr;
    QLineEdit* ref = nullptr;
    UpDown* UpDown1 = nullptr;
};

/// @brief Creates the main window's controls on its client area from one table, as a form
/// file would: name, kind, caption, place, font, colour, cursor, hint and spoken name.
/// `window` is the window's own font, which controls without a font of their own take.
void createForm1Controls(Form1Ui& ui, QWidget* client, const QFont& window);

} // namespace stocks
