#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/ostrel_settings.h"

namespace ostrel {

// X11 modifier masks and key symbols, as the X protocol numbers them.
inline constexpr std::uint16_t kX11ShiftMask = 1 << 0;
inline constexpr std::uint16_t kX11LockMask = 1 << 1;
inline constexpr std::uint16_t kX11ControlMask = 1 << 2;
inline constexpr std::uint16_t kX11Mod1Mask = 1 << 3;  // Alt
inline constexpr std::uint16_t kX11Mod4Mask = 1 << 6;  // Super, the Windows key
inline constexpr std::uint16_t kX11ModifierBits = 0xff;
inline constexpr std::uint32_t kKeysymLowerA = 0x61;
inline constexpr std::uint32_t kKeysymEscape = 0xff1b;
inline constexpr std::uint32_t kKeysymNumLock = 0xff7f;

inline constexpr int kLetterCount = 26;
inline constexpr int kLockHotKey = 0;
inline constexpr int kDebugHotKey = 1;

// A key symbol with the modifiers that must be down with it.
struct HotKeyCombination {
    std::uint32_t keysym = 0;
    std::uint16_t modifiers = 0;

    friend bool operator==(const HotKeyCombination&, const HotKeyCombination&) = default;
};

struct NumberedHotKey {
    int number = 0;
    HotKeyCombination combination;

    friend bool operator==(const NumberedHotKey&, const NumberedHotKey&) = default;
};

// The lock hot key of hkCtrl, hkAlt, hkShift, hkWin and the letter hkHotKeyIndex (0 = A ...
// 25 = Z); nothing for an index that names no letter, since no key can be pressed for it.
std::optional<HotKeyCombination> LockHotKeyOf(const TOstrelSettings& settings);
// Number 0 for the lock, and with -showdebug number 1, Alt+Escape, which does nothing.
std::vector<NumberedHotKey> HotKeysToRegister(const TOstrelSettings& settings, bool showDebug);

// Each modifier set a grab needs so the combination works with CapsLock and NumLock on or off.
// numLockMask is 0 when no modifier carries NumLock.
std::vector<std::uint16_t> GrabModifierVariants(std::uint16_t modifiers, std::uint16_t numLockMask);
// The modifiers of a key event's state that decide which hot key it is: without CapsLock,
// NumLock and the pointer buttons.
std::uint16_t HotKeyModifiersOf(std::uint16_t state, std::uint16_t numLockMask);

// "Ctrl + Alt + S" and the like: the hot key as the tray shows it.
std::string HotKeyText(const TOstrelSettings& settings);
// The tray balloon's text once the controller is back in the tray.
std::string TrayReadyText(const std::string& hotKeyText);
inline constexpr const char* kTrayReadyTitle = "Ostrel 3.0";
inline constexpr int kTrayReadyShowMs = 3000;
inline constexpr int kTrayReadyHideMs = 1500;

}  // namespace ostrel
