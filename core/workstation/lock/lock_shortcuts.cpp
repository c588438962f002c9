#include "workstation/lock/lock_shortcuts.h"

#include <array>
#include <utility>

namespace ostrel {
namespace {

constexpr int FunctionKey(int number) {
    return kKeyF1 + number - 1;
}

constexpr std::array kFunctionKeys{
    std::pair{FunctionKey(1), LockShortcut::kHelp},
    std::pair{FunctionKey(2), LockShortcut::kOptions},
    std::pair{FunctionKey(3), LockShortcut::kDeployOptions},
    std::pair{FunctionKey(5), LockShortcut::kRefresh},
    std::pair{FunctionKey(6), LockShortcut::kModifyLayout},
    std::pair{FunctionKey(9), LockShortcut::kLayoutTitle},
    std::pair{FunctionKey(11), LockShortcut::kMonitorOff},
    std::pair{FunctionKey(12), LockShortcut::kStandby},
};

constexpr std::array kCtrlKeys{
    std::pair{static_cast<int>(kKeyLetterG), LockShortcut::kGoToUrl},
    std::pair{static_cast<int>(kKeyLetterA), LockShortcut::kChangeAwayMessage},
    std::pair{static_cast<int>(kKeyLetterB), LockShortcut::kShowUrl},
};

template <std::size_t N>
LockShortcut Find(const std::array<std::pair<int, LockShortcut>, N>& table, int virtualKey) {
    for (const auto& [code, shortcut] : table) {
        if (code == virtualKey) return shortcut;
    }
    return LockShortcut::kNone;
}

}  // namespace

LockShortcut ShortcutOf(const KeyDownState& key) {
    if (key.altDown || key.shiftDown) return LockShortcut::kNone;
    return key.ctrlDown ? Find(kCtrlKeys, key.virtualKey) : Find(kFunctionKeys, key.virtualKey);
}

}  // namespace ostrel
