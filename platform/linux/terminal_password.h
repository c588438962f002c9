#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

// Asks for a password on the controlling terminal with echo off. Nothing when there is no
// terminal or the input ended.
std::optional<std::string> ReadPasswordFromTerminal(std::string_view prompt);

}  // namespace ostrel
