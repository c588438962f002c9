#pragma once

#include <string_view>

namespace ostrel {

// A shortcut as the hot-key control writes it ("Ctrl+Alt+S"): a virtual-key code and modifiers.
struct ShortCut {
    int virtualKey = 0;  // 0 when the text names no key
    bool ctrl = false;
    bool alt = false;
    bool shift = false;

    // The modifier bits of the hot-key interface: Alt 1, Ctrl 2, Shift 4.
    int HotKeyModifiers() const { return (alt ? 1 : 0) + (ctrl ? 2 : 0) + (shift ? 4 : 0); }
};

// Modifier names ("Ctrl", "Alt", "Shift") and one key name joined by "+", names in any letter
// case. Text that does not parse gives the empty shortcut.
ShortCut ParseShortCut(std::string_view text);

}  // namespace ostrel
