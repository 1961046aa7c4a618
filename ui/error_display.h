#pragma once

#include <functional>
#include <string>

class QWidget;

namespace stocks {

/// Shows an error as the program's modal message box: title "Morvane Stock", stop icon, OK.
void showError(const std::string& message);

/// Runs one event handler. An error that leaves it is shown and the program goes on; no
/// exception ever reaches the event loop.
void runHandler(const std::function<void()>& handler);

} // namespace stocks
