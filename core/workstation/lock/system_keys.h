#pragma once

namespace ostrel {

// Key codes of the keys the lock's keyboard rules look at (Windows virtual-key numbering, which
// the rest of the product uses for hot keys too).
enum SystemKey : int {
    kKeyTab = 0x09,
    kKeyEscape = 0x1B,
    kKeyF4 = 0x73,
    kKeyLeftWindows = 0x5B,
    kKeyRightWindows = 0x5C,
};

struct KeyDownState {
    int virtualKey = 0;
    bool altDown = false;
    bool ctrlDown = false;
    bool shiftDown = false;
    bool injected = false;  // synthesised by a program rather than typed
};

struct SystemKeyDecision {
    bool discard = false;   // swallow the key and write "System Keys Intercepted"
    bool openMenu = false;  // arm the lock form's menu
    bool hideBar = false;   // Escape with HideOstrelBar on hides the Ostrel bar
    friend bool operator==(const SystemKeyDecision&, const SystemKeyDecision&) = default;
};

// The rules for a key pressed while the lock holds the keyboard: Alt+Tab, Alt+Escape,
// Ctrl+Escape, the Windows keys (without Alt) and F4 without Alt are swallowed; a Windows key
// typed alone opens the menu; Alt+F4 and every other key pass.
SystemKeyDecision DecideSystemKey(const KeyDownState& key, bool hideOstrelBar);

}  // namespace ostrel
