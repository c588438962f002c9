#include "workstation/lock/auto_minimize.h"

#include <algorithm>
#include <array>

namespace ostrel {

namespace {

constexpr std::array<std::string_view, 6> kKeptTitles = {
    "Screen Saver", "Blank Screen Saver", "Windows Screen Saver",
    "Passwords",    "ScreenSaver search", "Ostrel"};

}  // namespace

std::string AutoMinimizeTitle(std::string_view title) {
    return title.empty() ? "there is no title bar" : std::string(title);
}

bool AutoMinimizeHides(std::string_view title) {
    return std::find(kKeptTitles.begin(), kKeptTitles.end(), title) == kKeptTitles.end();
}

}  // namespace ostrel
