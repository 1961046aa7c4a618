// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/dialogs/prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

namespace stocks {
namespace {

void centreOnScreen(QWidget& dialog)
{
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->geometry().center() - dialog.rect().center());
}

class DialogPrompts final : public Prompts {
public:
    std::optional<QString> askBrokerAddress() override
    {
        QInputDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Link to my Broker"));
        dialog.setLabelText(QStringLiteral("My Broker's URL is:"));
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setTextValue(QString());
        if (auto* field = dialog.findChild<QLineEdit*>())
            field->setMaxLength(255);
        centreOnScreen(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }

    std::optional<QString> askSkinFile(const QString& currentName) override
    {
        QFileDialog dialog(nullptr, QStringLiteral("Pick a Skin for Morvane Stocks"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(QStringLiteral("bmp (*.bmp)"));
        dialog.setDefaultSuffix(QStringLiteral("bmp"));
        dialog.selectFile(currentName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        // Qt's names have '/' everywhere; the settings keep the system's own spelling.
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    }

    bool confirmLineDeletion() override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"),
                        QStringLiteral("Delete this Line?\n(Close Program to Save Changes.)"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        centreOnScreen(box);
        return box.exec() == QMessageBox::Yes;
    }

    void showError(const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Morvane Stock"), text,
                        QMessageBox::Ok);
        // The text may hold a file name, and a file name may look like markup.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
};

DialogPrompts dialogPrompts;
Prompts* current = &dialogPrompts;

} // namespace

Prompts& prompts()
{
    return *current;
}

Prompts* setPrompts(Prompts* replacement)
{
    Prompts* previous = current;
    current = replacement ? replacement : &dialogPrompts;
    return previous;
}

} // namespace stocks
