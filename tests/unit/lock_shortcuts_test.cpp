#include "workstation/lock/lock_shortcuts.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

constexpr int F(int number) {
    return kKeyF1 + number - 1;
}

struct ShortcutCase {
    const char* name;
    KeyDownState key;
    LockShortcut expected;
};

TEST(LockShortcuts, MapsKeysToHiddenMenuItems) {
    const ShortcutCase cases[] = {
        {"f1_help", {F(1)}, LockShortcut::kHelp},
        {"f2_options", {F(2)}, LockShortcut::kOptions},
        {"f3_deploy", {F(3)}, LockShortcut::kDeployOptions},
        {"f4_unbound", {F(4)}, LockShortcut::kNone},
        {"f5_refresh", {F(5)}, LockShortcut::kRefresh},
        {"f6_modify_layout", {F(6)}, LockShortcut::kModifyLayout},
        {"f7_unbound", {F(7)}, LockShortcut::kNone},
        {"f8_unbound", {F(8)}, LockShortcut::kNone},
        {"f9_title", {F(9)}, LockShortcut::kLayoutTitle},
        {"f10_unbound", {F(10)}, LockShortcut::kNone},
        {"f11_monitor_off", {F(11)}, LockShortcut::kMonitorOff},
        {"f12_standby", {F(12)}, LockShortcut::kStandby},
        {"ctrl_g_go_to_url", {kKeyLetterG, false, true}, LockShortcut::kGoToUrl},
        {"ctrl_a_away_message", {kKeyLetterA, false, true}, LockShortcut::kChangeAwayMessage},
        {"ctrl_b_show_url", {kKeyLetterB, false, true}, LockShortcut::kShowUrl},
        // Letters are typed into the credentials unless Ctrl alone is held.
        {"plain_g_typed", {kKeyLetterG}, LockShortcut::kNone},
        {"ctrl_shift_g", {kKeyLetterG, false, true, true}, LockShortcut::kNone},
        {"ctrl_alt_a", {kKeyLetterA, true, true}, LockShortcut::kNone},
        // A function key with a modifier is another key.
        {"ctrl_f2", {F(2), false, true}, LockShortcut::kNone},
        {"shift_f12", {F(12), false, false, true}, LockShortcut::kNone},
        {"alt_f11", {F(11), true}, LockShortcut::kNone},
        {"unknown_key", {0}, LockShortcut::kNone},
    };
    for (const ShortcutCase& c : cases) {
        EXPECT_EQ(ShortcutOf(c.key), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace ostrel
