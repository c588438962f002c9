#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "../support/account_world.h"
#include "../support/widget_support.h"
#include "common/change_password_form.h"
#include "common/edit_user_form.h"
#include "common/first_time_form.h"
#include "common/master_password.h"
#include "common/modal_result.h"
#include "common/passwords.h"

namespace ostrel {
namespace {

using Boxes = std::vector<MessageBoxRequest>;

const MessageBoxRequest kFirstMismatch{
    "Your passwords do not match. Please reenter the password you wish to use.", "Error",
    MessageIcon::kError};

class FirstTimeFormTest : public testing::Test {
protected:
    AccountWorld world_;
    TfrmFirstTime form_{world_.settings, world_.users, world_.dialogs, nullptr};
};

TEST_F(FirstTimeFormTest, OkNeedsTwoEqualPasswordsOfThreeCharacters) {
    ASSERT_TRUE(ShowActive(&form_));
    EXPECT_EQ(form_.focusWidget(), form_.edtPassword);
    EXPECT_FALSE(form_.btnOK->isEnabled());
    QTest::keyClicks(form_.edtPassword, "abc");
    QTest::keyClicks(form_.edtConfirm, "abd");
    EXPECT_FALSE(form_.btnOK->isEnabled());
    QTest::keyClick(form_.edtConfirm, Qt::Key_Backspace);
    QTest::keyClicks(form_.edtConfirm, "c");
    EXPECT_TRUE(form_.btnOK->isEnabled());
}

TEST_F(FirstTimeFormTest, EnterInThePasswordBoxMovesOnFromThreeCharacters) {
    ASSERT_TRUE(ShowActive(&form_));
    QTest::keyClicks(form_.edtPassword, "ab");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtPassword);
    QTest::keyClicks(form_.edtPassword, "c");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtConfirm);
}

TEST_F(FirstTimeFormTest, EnterInConfirmWithDifferentPasswordsClearsBoth) {
    ASSERT_TRUE(ShowActive(&form_));
    QTest::keyClicks(form_.edtPassword, "abc");
    form_.edtConfirm->setFocus();
    QTest::keyClicks(form_.edtConfirm, "xyz");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(world_.dialogs.boxes, Boxes{kFirstMismatch});
    EXPECT_EQ(form_.edtPassword->text(), "");
    EXPECT_EQ(form_.edtConfirm->text(), "");
    EXPECT_EQ(form_.focusWidget(), form_.edtPassword);
    EXPECT_TRUE(form_.isVisible());
    EXPECT_EQ(world_.settings.Get()->passwordHash, "");
}

TEST_F(FirstTimeFormTest, EnterInConfirmSavesEvenAShortPassword) {
    ASSERT_TRUE(ShowActive(&form_));
    QTest::keyClicks(form_.edtPassword, "ab");
    form_.edtConfirm->setFocus();
    QTest::keyClicks(form_.edtConfirm, "ab");
    EXPECT_FALSE(form_.btnOK->isEnabled());
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_FALSE(form_.isVisible());
    EXPECT_EQ(form_.result(), kModalOk);
    EXPECT_EQ(world_.settings.Get()->passwordHash, HashPassword("ab"));
    EXPECT_EQ(world_.users.ReadAccount("administrator")->hash, HashPassword("ab"));
    EXPECT_TRUE(world_.dialogs.boxes.empty());
}

TEST_F(FirstTimeFormTest, EnterWithTheButtonEnabledSavesOnce) {
    ASSERT_TRUE(ShowActive(&form_));
    QTest::keyClicks(form_.edtPassword, "abc");
    form_.edtConfirm->setFocus();
    QTest::keyClicks(form_.edtConfirm, "abc");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.result(), kModalOk);
    EXPECT_EQ(world_.files.WriteCount("/prog/userlist.dat"), 1);
}

TEST_F(FirstTimeFormTest, EnterInEmptyBoxesSetsNoEmptyPassword) {
    ASSERT_TRUE(ShowActive(&form_));
    form_.edtConfirm->setFocus();
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_TRUE(form_.isVisible());
    EXPECT_EQ(world_.settings.Get()->passwordHash, "");
    EXPECT_TRUE(world_.dialogs.boxes.empty());
}

TEST_F(FirstTimeFormTest, ExitLeavesTheMasterPasswordUnset) {
    ASSERT_TRUE(ShowActive(&form_));
    QTest::keyClicks(form_.edtPassword, "abc");
    QTest::mouseClick(form_.btnExit, Qt::LeftButton);
    EXPECT_EQ(form_.result(), kModalAbort);
    EXPECT_EQ(world_.settings.Get()->passwordHash, "");
}

class ChangePasswordFormTest : public testing::Test {
protected:
    ChangePasswordFormTest() {
        world_.Change([](TOstrelSettings& s) { s.passwordHash = HashPassword("old"); });
    }

    void Type(const char* old, const char* fresh, const char* confirm) {
        QTest::keyClicks(form_.edtOld, old);
        QTest::keyClicks(form_.edtNew, fresh);
        QTest::keyClicks(form_.edtNewConfirm, confirm);
        form_.edtNewConfirm->setFocus();
    }

    AccountWorld world_;
    TfrmChangePassword form_{world_.settings, world_.dialogs};
};

TEST_F(ChangePasswordFormTest, EnterMovesOnOnlyFromFilledBoxes) {
    ASSERT_TRUE(ShowActive(&form_));
    EXPECT_EQ(form_.focusWidget(), form_.edtOld);
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtOld);
    QTest::keyClicks(form_.edtOld, "old");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtNew);
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtNew);
    QTest::keyClicks(form_.edtNew, "new");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtNewConfirm);
    // An empty confirm box does nothing.
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_TRUE(form_.isVisible());
    EXPECT_TRUE(world_.dialogs.boxes.empty());
    EXPECT_FALSE(form_.btnOK->isEnabled());
}

TEST_F(ChangePasswordFormTest, WrongOldPasswordClearsAllThree) {
    ASSERT_TRUE(ShowActive(&form_));
    Type("olt", "new", "new");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(world_.dialogs.boxes,
              (Boxes{{"Your old password is incorrect.", "Error", MessageIcon::kError}}));
    for (const QLineEdit* box : {form_.edtOld, form_.edtNew, form_.edtNewConfirm}) {
        EXPECT_EQ(box->text(), "");
    }
    EXPECT_EQ(form_.focusWidget(), form_.edtOld);
}

TEST_F(ChangePasswordFormTest, MismatchClearsTheNewPasswords) {
    ASSERT_TRUE(ShowActive(&form_));
    Type("old", "new", "neu");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(world_.dialogs.boxes.at(0).text,
              "New and Confirm fields do not match. Please reenter your new password.");
    EXPECT_EQ(form_.edtOld->text(), "old");
    EXPECT_EQ(form_.edtNew->text(), "");
    EXPECT_EQ(form_.edtNewConfirm->text(), "");
    EXPECT_EQ(form_.focusWidget(), form_.edtNew);
}

TEST_F(ChangePasswordFormTest, RightOldPasswordChangesAndCloses) {
    ASSERT_TRUE(ShowActive(&form_));
    Type("old", "new", "new");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(
        world_.dialogs.boxes,
        (Boxes{{"Password successfully changed.", "Password Changed", MessageIcon::kInformation}}));
    EXPECT_EQ(form_.result(), kModalOk);
    EXPECT_FALSE(form_.isVisible());
    EXPECT_EQ(world_.settings.Get()->passwordHash, HashPassword("new"));
}

TEST_F(ChangePasswordFormTest, EscapeCancels) {
    ASSERT_TRUE(ShowActive(&form_));
    Type("old", "new", "new");
    PressOnFocus(&form_, Qt::Key_Escape);
    EXPECT_EQ(form_.result(), kModalCancel);
    EXPECT_EQ(world_.settings.Get()->passwordHash, HashPassword("old"));
}

class EditUserFormTest : public testing::Test {
protected:
    RecordingDialogs dialogs_;
    TfrmEditUser form_{dialogs_};
};

TEST_F(EditUserFormTest, AddModeOkNeedsThreeCharacterPasswords) {
    form_.OpenForAdd();
    ASSERT_TRUE(ShowActive(&form_));
    EXPECT_EQ(form_.windowTitle(), "Add User");
    QTest::keyClicks(form_.edtUsername, "bob");
    QTest::keyClicks(form_.edtPassword, "ab");
    QTest::keyClicks(form_.edtConfirmPassword, "ab");
    EXPECT_FALSE(form_.btnOK->isEnabled());
    QTest::keyClicks(form_.edtPassword, "c");
    QTest::keyClicks(form_.edtConfirmPassword, "d");
    EXPECT_TRUE(form_.btnOK->isEnabled());
    // Different passwords pass the button but not its action.
    QTest::mouseClick(form_.btnOK, Qt::LeftButton);
    EXPECT_EQ(dialogs_.boxes, (Boxes{{"Password and Confirm Password must match.",
                                      "Passwords do not match", MessageIcon::kError}}));
    EXPECT_TRUE(form_.isVisible());
    EXPECT_EQ(form_.edtPassword->text(), "");
    EXPECT_EQ(form_.edtConfirmPassword->text(), "");
    EXPECT_EQ(form_.focusWidget(), form_.edtPassword);
}

TEST_F(EditUserFormTest, EnterWalksThroughTheFormToOk) {
    form_.OpenForAdd();
    ASSERT_TRUE(ShowActive(&form_));
    QTest::keyClicks(form_.edtUsername, "bob");
    QTest::keyClicks(form_.edtPassword, "abc");
    // User name to password to confirm in one Enter, as the password is already there.
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtConfirmPassword);
    QTest::keyClicks(form_.edtConfirmPassword, "abc");
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.cboAccessLevel);
    QTest::keyClick(form_.cboAccessLevel, Qt::Key_Down);
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.btnOK);
    EXPECT_TRUE(form_.isVisible());
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.result(), kModalOk);
    EXPECT_EQ(form_.UserName(), "bob");
    EXPECT_EQ(form_.Password(), "abc");
    EXPECT_EQ(form_.Level(), kPermissionUnlock);
}

TEST_F(EditUserFormTest, EditModeKeepsThePasswordUntilItIsTouched) {
    form_.OpenForEdit("alice", "Admin");
    ASSERT_TRUE(ShowActive(&form_));
    EXPECT_EQ(form_.windowTitle(), "Edit User");
    EXPECT_EQ(form_.edtPassword->text(), "(click to change)");
    EXPECT_EQ(form_.edtPassword->echoMode(), QLineEdit::Normal);
    EXPECT_FALSE(form_.edtConfirmPassword->isEnabled());
    EXPECT_FALSE(form_.lblConfirm->isEnabled());
    EXPECT_EQ(form_.Level(), kPermissionAdmin);
    EXPECT_TRUE(form_.btnOK->isEnabled());
    // Enter stops at the placeholder; Tab into the box leaves it.
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtPassword);
    PressOnFocus(&form_, Qt::Key_Return);
    EXPECT_EQ(form_.focusWidget(), form_.edtPassword);
    EXPECT_EQ(form_.edtPassword->text(), "(click to change)");
    QTest::mouseClick(form_.btnOK, Qt::LeftButton);
    EXPECT_EQ(form_.result(), kModalOk);
    EXPECT_EQ(form_.Password(), "(click to change)");
    EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(EditUserFormTest, ClickOrKeyInThePlaceholderStartsANewPassword) {
    for (const bool byClick : {true, false}) {
        SCOPED_TRACE(byClick ? "click" : "key");
        form_.OpenForEdit("alice", "Unlock");
        ASSERT_TRUE(ShowActive(&form_));
        if (byClick) {
            QTest::mouseClick(form_.edtPassword, Qt::LeftButton);
        } else {
            form_.edtPassword->setFocus();
            QTest::keyClicks(form_.edtPassword, "n");
        }
        EXPECT_EQ(form_.edtPassword->text(), byClick ? "" : "n");
        EXPECT_EQ(form_.edtPassword->echoMode(), QLineEdit::Password);
        EXPECT_EQ(form_.edtConfirmPassword->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(form_.edtConfirmPassword->isEnabled());
        EXPECT_TRUE(form_.lblConfirm->isEnabled());
        // A cleared placeholder is no password to keep.
        EXPECT_FALSE(form_.btnOK->isEnabled());
        form_.hide();
    }
}

TEST_F(EditUserFormTest, EditModeNewPasswordMustMatch) {
    form_.OpenForEdit("alice", "Unlock");
    ASSERT_TRUE(ShowActive(&form_));
    QTest::mouseClick(form_.edtPassword, Qt::LeftButton);
    QTest::keyClicks(form_.edtPassword, "abc");
    QTest::keyClicks(form_.edtConfirmPassword, "abd");
    EXPECT_FALSE(form_.btnOK->isEnabled());
    QTest::keyClick(form_.edtConfirmPassword, Qt::Key_Backspace);
    QTest::keyClicks(form_.edtConfirmPassword, "c");
    EXPECT_TRUE(form_.btnOK->isEnabled());
}

TEST_F(EditUserFormTest, EscapeCancels) {
    form_.OpenForAdd();
    ASSERT_TRUE(ShowActive(&form_));
    QTest::keyClicks(form_.edtUsername, "bob");
    PressOnFocus(&form_, Qt::Key_Escape);
    EXPECT_EQ(form_.result(), kModalCancel);
}

}  // namespace
}  // namespace ostrel
