// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QEvent>

#include <atomic>
#include <mutex>

#include <windows.h>

namespace stocks::platform {
namespace {

// Carries the call to the main thread as a posted event, which Qt owns and frees once it is
// delivered.
class Delivery final : public QObject {
public:
    Delivery(std::function<void()> call, QObject* parent) : QObject(parent), call_(std::move(call))
    {}

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        call_();
        return true;
    }

private:
    std::function<void()> call_;
};

// Shared with the handler, which the system calls on a thread of its own.
std::mutex targetMutex;
Delivery* target = nullptr;
std::atomic<bool> signalled = false;

/// Set while no object is there: its close has run, and the system may end the process.
HANDLE released()
{
    static const HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    return event;
}

BOOL WINAPI onConsoleEvent(DWORD event)
{
    // The close is already under way and the user insists: the next handler, the system's
    // default, ends the process now.
    if (signalled.exchange(true))
        return FALSE;
    {
        const std::lock_guard lock(targetMutex);
        if (!target)
            return FALSE;
        QCoreApplication::postEvent(target, new QEvent(QEvent::User));
    }
    // After its console closes the system ends the process as soon as this returns, or after
    // a few seconds: let the close run first.
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        WaitForSingleObject(released(), INFINITE);
    return TRUE;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : onSignal_(std::move(onSignal))
{
    if (!released())
        return;
    {
        const std::lock_guard lock(targetMutex);
        target = new Delivery([this] { deliver(); }, this);
    }
    signalled = false;
    ResetEvent(released());
    // A Ctrl+C that whoever started us chose to ignore stays ignored: the system calls no
    // handler for it then.
    installed_ = SetConsoleCtrlHandler(onConsoleEvent, TRUE) != 0;
}

TerminationSignals::~TerminationSignals()
{
    if (installed_)
        SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    {
        const std::lock_guard lock(targetMutex);
        // The child itself goes with this object, after the handler can no longer reach it.
        target = nullptr;
    }
    if (released())
        SetEvent(released());
}

void TerminationSignals::deliver()
{
    onSignal_();
}

} // namespace stocks::platform
