#pragma once

#include "workstation/lock/system_keys.h"

namespace ostrel {

// The items of the lock form's hidden main menu, reached only by their shortcut keys.
enum class LockShortcut {
    kNone,
    kHelp,               // F1
    kOptions,            // F2
    kDeployOptions,      // F3
    kRefresh,            // F5
    kModifyLayout,       // F6
    kLayoutTitle,        // F9
    kMonitorOff,         // F11
    kStandby,            // F12
    kGoToUrl,            // Ctrl+G
    kChangeAwayMessage,  // Ctrl+A
    kShowUrl,            // Ctrl+B
};

// Key codes of the shortcut keys (Windows virtual-key numbering, as the keyboard rules use).
enum ShortcutKey : int {
    kKeyLetterA = 0x41,
    kKeyLetterB = 0x42,
    kKeyLetterG = 0x47,
    kKeyF1 = 0x70,
};

// The hidden menu item a key press selects: function keys without modifiers, letters with Ctrl
// alone. Keys the menu does not bind (F4, F7, F8, F10, ...) give kNone.
LockShortcut ShortcutOf(const KeyDownState& key);

}  // namespace ostrel
