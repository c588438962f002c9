#include "workstation/lock/system_keys.h"

namespace ostrel {

SystemKeyDecision DecideSystemKey(const KeyDownState& key, bool hideOstrelBar) {
    SystemKeyDecision decision;
    const int vk = key.virtualKey;
    const bool windowsKey = vk == kKeyLeftWindows || vk == kKeyRightWindows;
    decision.hideBar = vk == kKeyEscape && hideOstrelBar;
    decision.discard = vk == kKeyF4;
    if (key.altDown || (vk == kKeyEscape && key.ctrlDown) || windowsKey) {
        decision.discard = !(key.altDown && vk != kKeyEscape && vk != kKeyTab);
        // Only a Windows key typed alone (no Alt, no Ctrl, not synthesised) opens the menu.
        decision.openMenu = windowsKey && !key.altDown && !key.ctrlDown && !key.injected;
    }
    return decision;
}

}  // namespace ostrel
