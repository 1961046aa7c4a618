// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/dialogs/prompts.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace stocks {

/// @brief Answers the windows' questions as a test sets them up, and keeps every error shown.
class FakePrompts final : public Prompts {
public:
    std::optional<QString> askBrokerAddress() override
    {
        ++brokerAsked;
        return brokerAnswer;
    }
    std::optional<QString> askSkinFile(const QString& currentName) override
    {
        skinAskedWith.append(currentName);
        return skinAnswer;
    }
    bool confirmLineDeletion() override
    {
        ++confirmAsked;
        return confirmAnswer;
    }
    void showError(const QString& text) override { errors.append(text); }

    std::optional<QString> brokerAnswer;
    int brokerAsked = 0;
    std::optional<QString> skinAnswer;
    QStringList skinAskedWith;
    bool confirmAnswer = false;
    int confirmAsked = 0;
    QStringList errors;
};

} // namespace stocks
