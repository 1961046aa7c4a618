// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QObject>

#include <memory>

class QSessionManager;
class TForm1;

namespace stocks {

namespace platform {
class TerminationSignals;
}
class Prompts;

/// @brief Ends the run when the session ends under the main window: SIGTERM, SIGINT,
/// SIGHUP, the session manager's quit and a lost X display run its close sequence once,
/// with errors on standard error instead of in message boxes, and the program ends, also
/// from within an open box. When the session manager asks for the user's data, the page
/// and the settings are saved as the close saves them and the run goes on.
/// Create it once the window has started; one at a time.
class SessionEnd final : public QObject {
public:
    explicit SessionEnd(TForm1& form);
    ~SessionEnd() override;

    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveForSession(QSessionManager& manager);
    static void restartPlainly(QSessionManager& manager);
    void closeQuietly();
    void endRun();
    static void endOnExit();

    TForm1& form_;
    std::unique_ptr<platform::TerminationSignals> signals_;
    Prompts* previousPrompts_ = nullptr;
    bool closed_ = false;
    bool quitting_ = false;
};

} // namespace stocks
