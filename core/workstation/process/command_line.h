#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace ostrel {

// The arguments joined with nothing between them, case kept: what the process entry examines.
std::string EntryArgumentText(const std::vector<std::string>& arguments);
// The arguments joined with nothing between them, lower-cased: what the switches are matched in.
std::string CommandLineTextOf(const std::vector<std::string>& arguments);

// The switches found in a command-line text. Each is a plain substring match, so switches may
// stand anywhere and in any case once the text is lower-cased.
struct CommandLineSwitches {
    bool noPrompt = false;
    bool ro = false;
    bool runKey = false;
    bool runTray = false;  // -runtray or -tray
    bool killOnClose = false;
    bool saveDebug = false;
    bool showDebug = false;
    bool halt = false;
    bool gotoGiven = false;
    std::string gotoText;  // up to 365 characters after "-goto"
    bool runFor = false;
    int quitIntervalMs = 0;  // minutes after "-runfor" x 60000; 0 when they are no whole number
};

inline constexpr std::size_t kGotoTextLimit = 365;
inline constexpr std::size_t kRunForTextLimit = 4;

CommandLineSwitches ReadSwitches(const std::string& commandLineText);

inline constexpr const char* kStartReasonDefault = "Default";
inline constexpr const char* kStartReasonBeforeExplorer = "Run before explorer";
inline constexpr const char* kStartReasonAfterExplorer = "Run after explorer";

// "Default", or the reason the start-up switches give (-runkey wins over -ro).
std::string StartReasonFor(const CommandLineSwitches& switches);

inline constexpr const char* kGotoNotFound = "Error: Specified URL not found";

// The page -goto names when it is an existing file or contains "://"; nothing otherwise.
std::optional<std::string> GotoUrlFor(const std::string& gotoText, const FileSystem& fileSystem);

}  // namespace ostrel
