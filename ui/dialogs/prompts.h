// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace stocks {

/// @brief The modal questions and messages the windows ask; tests put in their own answers.
class Prompts {
public:
    virtual ~Prompts() = default;

    /// The broker input box; nothing when the user cancels.
    virtual std::optional<QString> askBrokerAddress() = 0;
    /// The skin open-file dialog starting with the current name; nothing when cancelled.
    virtual std::optional<QString> askSkinFile(const QString& currentName) = 0;
    /// The data list's "Delete this Line?" question; true only for Yes.
    virtual bool confirmLineDeletion() = 0;
    virtual void showError(const QString& text) = 0;
};

Prompts& prompts();

/// Replaces the prompts in use (nullptr restores the real dialogs); returns the previous ones.
Prompts* setPrompts(Prompts* replacement);

} // namespace stocks
