#include "workstation/process/tray_hot_key.h"

namespace ostrel {

namespace {

bool IsLetterIndex(int index) {
    return index >= 0 && index < kLetterCount;
}

}  // namespace

std::optional<HotKeyCombination> LockHotKeyOf(const TOstrelSettings& settings) {
    if (!IsLetterIndex(settings.hkHotKeyIndex)) return std::nullopt;
    std::uint16_t modifiers = 0;
    if (settings.hkCtrl) modifiers |= kX11ControlMask;
    if (settings.hkAlt) modifiers |= kX11Mod1Mask;
    if (settings.hkShift) modifiers |= kX11ShiftMask;
    if (settings.hkWin) modifiers |= kX11Mod4Mask;
    return HotKeyCombination{kKeysymLowerA + static_cast<std::uint32_t>(settings.hkHotKeyIndex),
                             modifiers};
}

std::vector<NumberedHotKey> HotKeysToRegister(const TOstrelSettings& settings, bool showDebug) {
    std::vector<NumberedHotKey> keys;
    if (const auto lock = LockHotKeyOf(settings)) keys.push_back({kLockHotKey, *lock});
    if (showDebug) keys.push_back({kDebugHotKey, {kKeysymEscape, kX11Mod1Mask}});
    return keys;
}

std::vector<std::uint16_t> GrabModifierVariants(std::uint16_t modifiers,
                                                std::uint16_t numLockMask) {
    std::vector<std::uint16_t> variants{modifiers,
                                        static_cast<std::uint16_t>(modifiers | kX11LockMask)};
    if (numLockMask != 0 && numLockMask != kX11LockMask) {
        variants.push_back(static_cast<std::uint16_t>(modifiers | numLockMask));
        variants.push_back(static_cast<std::uint16_t>(modifiers | numLockMask | kX11LockMask));
    }
    return variants;
}

std::uint16_t HotKeyModifiersOf(std::uint16_t state, std::uint16_t numLockMask) {
    return static_cast<std::uint16_t>(state & kX11ModifierBits & ~(kX11LockMask | numLockMask));
}

std::string HotKeyText(const TOstrelSettings& settings) {
    std::string text;
    if (settings.hkCtrl) text += "Ctrl + ";
    if (settings.hkAlt) text += "Alt + ";
    if (settings.hkShift) text += "Shift + ";
    if (settings.hkWin) text += "Win + ";
    if (IsLetterIndex(settings.hkHotKeyIndex))
        text += static_cast<char>('A' + settings.hkHotKeyIndex);
    return text;
}

std::string TrayReadyText(const std::string& hotKeyText) {
    return "Double click or press " + hotKeyText + " to lock system.";
}

}  // namespace ostrel
