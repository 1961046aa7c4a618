// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/start_close.h"
#include "ui/form1_controls.h"

#include <QWidget>

#include <memory>

class TForm2;

namespace stocks {
class Form1RunValues;
class PageListModel;
} // namespace stocks

/// @brief The main window: a dollar sign with the watch list's fields and commands on it.
class TForm1 : public QWidget, public stocks::Form1Ui {
    Q_OBJECT
public:
    /// Creating the window runs the start sequence against the given files.
    explicit TForm1(const stocks::ProgramFiles& files, QWidget* parent = nullptr);
    ~TForm1() override;

    /// The client area, which the controls sit on.
    QWidget* clientArea = nullptr;

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
