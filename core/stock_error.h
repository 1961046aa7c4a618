#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace stocks {

/// @brief An error whose message is the text the user sees.
class StockError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Replaces the first "%s" of a message pattern with the argument.
std::string formatMessage(std::string_view pattern, std::string_view argument);

/// The text shown to the user: a "." is appended when the last byte sorts after ".".
std::string displayText(std::string_view message);

} // namespace stocks
