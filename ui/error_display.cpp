#include "ui/error_display.h"

#include "core/stock_error.h"
#include "ui/prompts.h"
#include "ui/text_codec.h"

#include <exception>

namespace stocks {

void showError(const std::string& message)
{
    prompts().showError(toQt(displayText(message)));
}

void runHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        showError(error.what());
    }
}

} // namespace stocks
