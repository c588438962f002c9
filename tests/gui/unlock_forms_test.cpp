#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "../support/account_world.h"
#include "../support/fake_lock_form.h"
#include "../support/widget_support.h"
#include "common/modal_result.h"
#include "common/passwords.h"
#include "common/qt_unlock_prompt.h"
#include "common/unlock_form.h"
#include "common/user_unlock_form.h"
#include "fake/recording_datagram_sender.h"

namespace ostrel {
namespace {

using Lines = std::vector<std::string>;

class UnlockFormsTest : public testing::Test {
protected:
    UnlockFormsTest() {
        world_.Change([](TOstrelSettings& s) {
            s.passwordHash = HashPassword("master");
            s.reportSecurityEvents = true;
            s.MasterIP = "10.0.0.9";
        });
        world_.AddAccountOfEachLevel();
    }

    Lines Events() const {
        Lines events;
        for (const auto& datagram : sender_.Sent()) events.push_back(datagram.payload);
        return events;
    }

    AccountWorld world_;
    RecordingDatagramSender sender_;
    FakeLockForm lockForm_;
    SecurityEventReporter reporter_{world_.settings, world_.log, sender_};
    Authenticator authenticator_{world_.settings, world_.users, world_.log, lockForm_};
    UnlockChecks checks_{world_.settings, authenticator_, reporter_, world_.log, world_.dialogs};
};

TEST_F(UnlockFormsTest, MasterPasswordDialogKeepsAskingAfterAWrongPassword) {
    TfrmUnlock form(checks_);
    form.SetAction("change Options");
    ASSERT_TRUE(ShowActive(&form));
    EXPECT_EQ(form.focusWidget(), form.edtPassword);
    EXPECT_FALSE(form.btnOK->isEnabled());
    // Enter with nothing typed does nothing.
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());

    QTest::keyClicks(form.edtPassword, "x");
    EXPECT_TRUE(form.btnOK->isEnabled());
    QTest::keyClick(form.edtPassword, Qt::Key_Backspace);
    EXPECT_FALSE(form.btnOK->isEnabled());

    QTest::keyClicks(form.edtPassword, "Master");
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.edtPassword->text(), "");
    EXPECT_EQ(form.focusWidget(), form.edtPassword);
    EXPECT_FALSE(form.btnOK->isEnabled());
    const MessageBoxRequest incorrect{"Incorrect password..", "Error", MessageIcon::kError,
                                      MessageButtons::kOk, true};
    EXPECT_EQ(world_.dialogs.boxes, std::vector{incorrect});
    EXPECT_EQ(Events(), Lines{"/se:Incorrect password to change Options"});

    QTest::keyClicks(form.edtPassword, "master");
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(world_.dialogs.boxes.size(), 1u);
}

TEST_F(UnlockFormsTest, EscapeCancelsEitherDialog) {
    TfrmUnlock unlock(checks_);
    ASSERT_TRUE(ShowActive(&unlock));
    QTest::keyClicks(unlock.edtPassword, "master");
    PressOnFocus(&unlock, Qt::Key_Escape);
    EXPECT_FALSE(unlock.isVisible());
    EXPECT_EQ(unlock.result(), kModalCancel);

    TfrmUserUnlock userUnlock(checks_);
    ASSERT_TRUE(ShowActive(&userUnlock));
    QTest::keyClicks(userUnlock.edtUsername, "alice");
    PressOnFocus(&userUnlock, Qt::Key_Escape);
    EXPECT_EQ(userUnlock.result(), kModalCancel);
    EXPECT_EQ(userUnlock.Level(), kPermissionNone);
    EXPECT_TRUE(Events().empty());
}

TEST_F(UnlockFormsTest, AccountDialogNeedsBothBoxesAndMovesOnWithEnter) {
    TfrmUserUnlock form(checks_);
    form.SetAction("view Logs");
    ASSERT_TRUE(ShowActive(&form));
    EXPECT_EQ(form.focusWidget(), form.edtUsername);
    QTest::keyClicks(form.edtUsername, "alice");
    EXPECT_FALSE(form.btnOK->isEnabled());
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.focusWidget(), form.edtPassword);
    QTest::keyClicks(form.edtPassword, "alicepw");
    EXPECT_TRUE(form.btnOK->isEnabled());
    // Enter in the user-name box moves on even when both boxes are filled.
    form.edtUsername->setFocus();
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.edtPassword);
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_EQ(form.result(), kModalOk);
    EXPECT_EQ(form.Level(), kPermissionUnlock);
}

struct AccountCase {
    const char* user;
    const char* password;
    int result;
    int level;
    bool reported;
};

TEST_F(UnlockFormsTest, AccountDialogClosesWithLevelOrBadCredentials) {
    const AccountCase cases[] = {
        {"administrator", "secret", kModalOk, kPermissionAdmin, false},
        {"ALICE", "alicepw", kModalOk, kPermissionUnlock, false},
        {"carl", "carlpw", kModalBadCredentials, kBadPassword, true},
        {"alice", "wrong", kModalBadCredentials, kBadPassword, true},
        {"bob", "x", kModalBadCredentials, kBadPassword, true},
    };
    for (const AccountCase& c : cases) {
        SCOPED_TRACE(c.user);
        const std::size_t eventsBefore = Events().size();
        TfrmUserUnlock form(checks_);
        form.SetAction("unlock Ostrel");
        ASSERT_TRUE(ShowActive(&form));
        QTest::keyClicks(form.edtUsername, c.user);
        QTest::keyClicks(form.edtPassword, c.password);
        QTest::mouseClick(form.btnOK, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), c.result);
        EXPECT_EQ(form.Level(), c.level);
        EXPECT_EQ(Events().size(), eventsBefore + (c.reported ? 1 : 0));
    }
    EXPECT_EQ(Events().back(), "/se:Incorrect password to unlock Ostrel");
}

TEST_F(UnlockFormsTest, DialogsWidenToFitTheirPrompt) {
    TfrmUnlock shortPrompt(checks_);
    shortPrompt.SetAction("view Logs");
    ASSERT_TRUE(ShowActive(&shortPrompt));
    EXPECT_EQ(shortPrompt.width(), UnlockDialog::kMinimumWidth);

    const std::string longAction(120, 'w');
    TfrmUserUnlock longPrompt(checks_);
    longPrompt.SetAction(longAction);
    ASSERT_TRUE(ShowActive(&longPrompt));
    const QLabel* prompt = longPrompt.lblText;
    EXPECT_GT(prompt->x() + prompt->width() + UnlockDialog::kPromptMargin,
              UnlockDialog::kMinimumWidth);
    EXPECT_EQ(longPrompt.width(), prompt->x() + prompt->width() + UnlockDialog::kPromptMargin);
    EXPECT_EQ(prompt->text().toStdString(), "Enter password to " + longAction);
}

TEST_F(UnlockFormsTest, PromptShowsTheActionAsWritten) {
    TfrmUnlock form(checks_);
    form.SetAction("unlock && exit Ostrel");
    EXPECT_EQ(form.lblText->text(), "Enter password to unlock & exit Ostrel");
    EXPECT_EQ(form.Action(), "unlock && exit Ostrel");
}

// The real dialogs under Authorize, typed into while they are shown modally.
TEST_F(UnlockFormsTest, AuthorizeThroughTheDialogs) {
    QtUnlockPrompt prompt(checks_);
    Authorizer authorizer(world_.settings, world_.log, reporter_, world_.clock, lockForm_, prompt);
    Lines typed = {"wrong", "master"};
    std::function<void()> typeNext = [&] {
        auto* form = qobject_cast<TfrmUnlock*>(QApplication::activeModalWidget());
        if (form == nullptr || typed.empty()) return;
        QTest::keyClicks(form->edtPassword, QString::fromStdString(typed.front()));
        typed.erase(typed.begin());
        QTimer::singleShot(0, typeNext);
        QTest::keyClick(form->edtPassword, Qt::Key_Return);
    };
    QTimer::singleShot(0, typeNext);
    EXPECT_TRUE(authorizer.Authorize("change Options", kPermissionAdmin));
    EXPECT_EQ(Events(), Lines{"/se:Incorrect password to change Options"});

    world_.Change([](TOstrelSettings& s) { s.multiUser = true; });
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<TfrmUserUnlock*>(QApplication::activeModalWidget());
        if (form == nullptr) return;
        QTest::keyClicks(form->edtUsername, "alice");
        QTest::keyClicks(form->edtPassword, "alicepw");
        QTest::keyClick(form->edtPassword, Qt::Key_Return);
    });
    EXPECT_FALSE(authorizer.Authorize(AuthAction::kChangeOptions));
    EXPECT_EQ(Events().back(), "/se:You don't have the proper credentials to change Options");
}

}  // namespace
}  // namespace ostrel
