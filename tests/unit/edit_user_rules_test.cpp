#include "common/edit_user_rules.h"

#include <gtest/gtest.h>

#include "fake/recording_dialogs.h"

namespace ostrel {
namespace {

constexpr bool kAdd = true;
constexpr bool kEdit = false;
constexpr const char* kPlaceholder = "(click to change)";

struct EnablingCase {
    EditUserFields fields;
    bool enabled;
};

TEST(EditUserRules, OkEnabling) {
    const EnablingCase cases[] = {
        {{kAdd, "bob", "abc", "abc"}, true},
        // Add mode checks lengths only; the OK action checks the match.
        {{kAdd, "bob", "abc", "xyz"}, true},
        {{kAdd, "bob", "ab", "ab"}, false},
        {{kAdd, "bob", "abc", "ab"}, false},
        {{kAdd, "", "abc", "abc"}, false},
        // A name the user list cannot hold.
        {{kAdd, " bob", "abc", "abc"}, false},
        {{kAdd, "b]ob", "abc", "abc"}, false},
        {{kEdit, "bob", kPlaceholder, ""}, true},
        {{kEdit, "", kPlaceholder, ""}, false},
        {{kEdit, "bob", "abc", "abc"}, true},
        {{kEdit, "bob", "abc", "abd"}, false},
        // A cleared placeholder is no password: the old one must not be lost to an empty one.
        {{kEdit, "bob", "", ""}, false},
        {{kEdit, "bob", "ab", "ab"}, false},
    };
    for (const EnablingCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fields.addMode << " '" << c.fields.userName << "' '"
                                        << c.fields.password << "' '" << c.fields.confirm << "'");
        EXPECT_EQ(EditUserOkEnabled(c.fields), c.enabled);
    }
}

struct EnterCase {
    EditUserControl from;
    EditUserFields fields;
    bool confirmEnabled;
    EditUserControl to;
};

TEST(EditUserRules, EnterMovesTheFocusStepByStep) {
    using C = EditUserControl;
    const EnterCase cases[] = {
        {C::kUserName, {kAdd, "bob", "", ""}, true, C::kPassword},
        {C::kUserName, {kAdd, "", "", ""}, true, C::kUserName},
        // Two steps at once when the password is already there.
        {C::kUserName, {kAdd, "bob", "abc", ""}, true, C::kConfirm},
        {C::kPassword, {kAdd, "bob", "ab", ""}, true, C::kPassword},
        {C::kPassword, {kAdd, "bob", "abc", ""}, true, C::kConfirm},
        {C::kConfirm, {kAdd, "bob", "abc", "abc"}, true, C::kAccessLevel},
        {C::kConfirm, {kAdd, "bob", "ab", "ab"}, true, C::kConfirm},
        {C::kAccessLevel, {kAdd, "bob", "abc", "abc"}, true, C::kOk},
        // The placeholder stops every password step.
        {C::kUserName, {kEdit, "bob", kPlaceholder, ""}, false, C::kPassword},
        {C::kPassword, {kEdit, "bob", kPlaceholder, ""}, false, C::kPassword},
        {C::kAccessLevel, {kEdit, "bob", kPlaceholder, ""}, false, C::kAccessLevel},
        {C::kOther, {kAdd, "bob", "abc", "abc"}, true, C::kOther},
    };
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.from) << " '" << c.fields.userName
                                        << "' '" << c.fields.password << "'");
        EXPECT_EQ(EditUserEnterFocus(c.from, c.fields, true, c.confirmEnabled), c.to);
    }
    EXPECT_EQ(EditUserEnterFocus(C::kUserName, {kAdd, "bob", "", ""}, false, true), C::kUserName);
}

TEST(EditUserRules, OkActionRefusesDifferentPasswords) {
    RecordingDialogs dialogs;
    EXPECT_TRUE(EditUserOk({kAdd, "bob", "abc", "abc"}, dialogs));
    EXPECT_TRUE(EditUserOk({kEdit, "bob", kPlaceholder, ""}, dialogs));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(EditUserOk({kAdd, "bob", "abc", "abd"}, dialogs));
    const MessageBoxRequest mismatch{"Password and Confirm Password must match.",
                                     "Passwords do not match", MessageIcon::kError};
    EXPECT_EQ(dialogs.boxes, std::vector{mismatch});
}

}  // namespace
}  // namespace ostrel
