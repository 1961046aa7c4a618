// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace stocks::platform {
namespace {

constexpr std::array endingSignals = {SIGTERM, SIGINT, SIGHUP};

// Only what a signal handler may touch: the pipe's ends and a flag.
int readEnd = -1;
int writeEnd = -1;
volatile std::sig_atomic_t signalled = 0;

// The event loop's watch on the read end.
QSocketNotifier* notifier = nullptr;

void setAction(int number, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(number, &action, nullptr);
}

extern "C" void onEndingSignal(int number)
{
    if (signalled != 0) {
        // The close is already under way and the user insists: end now. The signal is
        // blocked while this handler runs, so it takes effect as the handler returns.
        setAction(number, SIG_DFL);
        raise(number);
        return;
    }
    signalled = 1;
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : onSignal_(std::move(onSignal))
{
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd = ends[0];
    writeEnd = ends[1];
    signalled = 0;
    notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::deliver);
    installed_ = true;
    for (const int number : endingSignals) {
        // A signal ignored by whoever started us (nohup, a background job) stays ignored.
        struct sigaction current = {};
        sigaction(number, nullptr, &current);
        if (current.sa_handler != SIG_IGN)
            setAction(number, onEndingSignal);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!installed_)
        return;
    for (const int number : endingSignals) {
        struct sigaction current = {};
        sigaction(number, nullptr, &current);
        if (current.sa_handler == onEndingSignal)
            setAction(number, SIG_DFL);
    }
    delete notifier;
    notifier = nullptr;
    close(readEnd);
    close(writeEnd);
    readEnd = writeEnd = -1;
}

void TerminationSignals::deliver()
{
    char byte = 0;
    while (read(readEnd, &byte, 1) == 1) {
    }
    onSignal_();
}

} // namespace stocks::platform
