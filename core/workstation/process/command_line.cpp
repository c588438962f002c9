#include "workstation/process/command_line.h"

#include <algorithm>
#include <limits>

namespace ostrel {

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The text that follows the switch, at most `limit` characters; nothing when the switch is absent.
std::optional<std::string> TextAfter(const std::string& text, const std::string& option,
                                     std::size_t limit) {
    const std::size_t at = text.find(option);
    if (at == std::string::npos) return std::nullopt;
    return text.substr(at + option.size(), limit);
}

// Minutes as milliseconds; 0 unless the text is a whole number of digits.
int MinutesAsMilliseconds(const std::string& text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    static_assert(9999 * 60000 <= std::numeric_limits<int>::max());
    return std::stoi(text) * 60000;
}

}  // namespace

std::string EntryArgumentText(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) text += argument;
    return text;
}

std::string CommandLineTextOf(const std::vector<std::string>& arguments) {
    std::string text = EntryArgumentText(arguments);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

CommandLineSwitches ReadSwitches(const std::string& commandLineText) {
    const std::string& text = commandLineText;
    CommandLineSwitches switches;
    switches.noPrompt = Contains(text, "-noprompt");
    switches.ro = Contains(text, "-ro");
    switches.runKey = Contains(text, "-runkey");
    switches.runTray = Contains(text, "-runtray") || Contains(text, "-tray");
    switches.killOnClose = Contains(text, "-killonclose");
    switches.saveDebug = Contains(text, "-savedebug");
    switches.showDebug = Contains(text, "-showdebug");
    switches.halt = Contains(text, "-halt");
    if (const auto gotoText = TextAfter(text, "-goto", kGotoTextLimit)) {
        switches.gotoGiven = true;
        switches.gotoText = *gotoText;
    }
    if (const auto minutes = TextAfter(text, "-runfor", kRunForTextLimit)) {
        switches.runFor = true;
        switches.quitIntervalMs = MinutesAsMilliseconds(*minutes);
    }
    return switches;
}

std::string StartReasonFor(const CommandLineSwitches& switches) {
    if (switches.runKey) return kStartReasonAfterExplorer;
    if (switches.ro) return kStartReasonBeforeExplorer;
    return kStartReasonDefault;
}

std::optional<std::string> GotoUrlFor(const std::string& gotoText, const FileSystem& fileSystem) {
    if (Contains(gotoText, "://") || (!gotoText.empty() && fileSystem.FileExists(gotoText))) {
        return gotoText;
    }
    return std::nullopt;
}

}  // namespace ostrel
