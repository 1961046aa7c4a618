// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/start_close.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class TForm2;

namespace stocks {
class ClickLabel;
class Form1RunValues;
class PageListModel;
class UnseenListBox;
class UpDown;
} // namespace stocks

/// @brief The main window: a dollar sign with the watch list's fields and commands on it.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    /// Creating the window runs the start sequence against the given files.
    explicit TForm1(const stocks::ProgramFiles& files, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, in creation order: later ones lie above earlier ones.
    QWidget* clientArea;
    QLabel* Image1;
    stocks::ClickLabel* urllabel;
    QLabel* oldref;
    stocks::ClickLabel* look;
    stocks::ClickLabel* Label1;
    stocks::ClickLabel* xout;
    stocks::ClickLabel* Dat;
    stocks::ClickLabel* Brok;
    stocks::ClickLabel* Label2;
    QLineEdit* Stock;
    QLineEdit* price;
    stocks::UnseenListBox* ListBox1;
    QPushButton* rem;
    QPushButton* add;
    QLineEdit* ref;
    stocks::UpDown* UpDown1;

    void addClick();
    void remClick();
    void UpDown1Changing(bool& AllowChange);
    void BrokerClick();
    void lookClick();
    void urllabelClick();
    void DatClick();
    void xoutClick();
    void Label1MouseDown(Qt::MouseButton Button);
    void Label2DblClick();
    /// The close sequence; also run without a close event when the session ends.
    bool FormClose();
    /// The close's saves while the run goes on, when the session manager asks for the data.
    void FormSessionSave();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void bindEvents();
    void FormCreate();

    stocks::ProgramFiles files_;
    std::unique_ptr<stocks::Form1RunValues> values_;
    // Declared after the run values, which hold the page list it shows, so it goes first.
    std::unique_ptr<stocks::PageListModel> pageModel_;
    // The data list window, once opened; it shows the page list, so it goes first.
    std::unique_ptr<TForm2> dataList_;
};
