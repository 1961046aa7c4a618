// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/program/session_end.h"

#include "platform/termination_signals.h"
#include "ui/dialogs/prompts.h"
#include "ui/stokfile1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

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
    : form_(form), signals_(std::make_unique<platform::TerminationSignals>([this] { endRun(); }))
{
    // A checkpoint asks for the data too, and the session goes on after it: save, never end.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &SessionEnd::saveForSession);
    connect(qGuiApp, &QGuiApplication::saveStateRequest, this, &SessionEnd::restartPlainly);
    QCoreApplication::instance()->installEventFilter(this);
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

bool SessionEnd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        // The session manager's quit, or ours once the window's close has run: Qt now
        // closes the windows, and no box may keep this window from closing any more.
        quitting_ = true;
    } else if (quitting_ && event->type() == QEvent::Close && watched == &form_) {
        endRun();
        return true;
    }
    return false;
}

void SessionEnd::saveForSession(QSessionManager& manager)
{
    restartPlainly(manager);
    if (closed_)
        return;
    // Nobody need be there to answer a box while the session saves.
    Prompts* const previous = setPrompts(&standardErrorPrompts);
    form_.FormSessionSave();
    setPrompts(previous);
}

void SessionEnd::restartPlainly(QSessionManager& manager)
{
    // Qt's own restart command adds a session option; the settings file is all the state
    // there is, so the program as it is started by hand restores the session.
    manager.setRestartCommand({QCoreApplication::applicationFilePath()});
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

void SessionEnd::endRun()
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
