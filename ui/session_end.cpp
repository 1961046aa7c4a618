// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/session_end.h"

#include "platform/termination_signals.h"
#include "ui/prompts.h"
#include "ui/stokfile1.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace stocks {
namespace {

/// Nobody is there to answer: every question is declined and errors go to standard error.
class StandardErrorPrompts final : public Prompts {
public:
    std::optional<QString> askBrokerAddress() override { return std::nullopt; }
    std::optional<QString> askSkinFile(const QString&) override { return std::nullopt; }
    bool confirmLineDeletion() override { return false; }
    void showError(const QString& text) override
    {
        std::fprintf(stderr, "Morvane Stock: %s\n", text.toLocal8Bit().constData());
    }
};

StandardErrorPrompts standardErrorPrompts;
SessionEnd* running = nullptr;

} // namespace

SessionEnd::SessionEnd(TForm1& form)
    : form_(form), signals_(std::make_unique<platform::TerminationSignals>([this] { end(); }))
{
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &SessionEnd::end);
    // On a lost X display Qt ends the process with exit() from the event loop: the window
    // and its values are still whole then, so the close runs from an exit handler.
    [[maybe_unused]] static const int exitHandlerSet = std::atexit(endOnExit);
    running = this;
}

SessionEnd::~SessionEnd()
{
    running = nullptr;
    if (closed_)
        setPrompts(previousPrompts_);
}

void SessionEnd::closeQuietly()
{
    if (closed_)
        return;
    closed_ = true;
    // Left in place until the end: a dialog that was open goes on to its end quietly too.
    previousPrompts_ = setPrompts(&standardErrorPrompts);
    form_.FormClose();
}

void SessionEnd::end()
{
    closeQuietly();
    // Leaves every event loop, a dialog's included, without the close requests a quit sends.
    QCoreApplication::exit(0);
}

void SessionEnd::endOnExit()
{
    if (running)
        running->closeQuietly();
}

} // namespace stocks
