// The message dialogs on the offscreen platform: the leave-a-note checks and keys, the away
// picker's countdown and presets, and the reader's navigation.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "../support/widget_support.h"
#include "common/ostrel_settings.h"
#include "fake/recording_dialogs.h"
#include "workstation/messages/leave_message_form.h"
#include "workstation/messages/messages_form.h"
#include "workstation/messages/pick_away_msg_form.h"

namespace ostrel {
namespace {

// --- leave a note ---

class LeaveMessageTest : public testing::Test {
protected:
    LeaveMessageTest() { settings_.askName = true; }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : dialogs_.boxes) {
            EXPECT_EQ(box.caption, "Leave a message");
            EXPECT_EQ(box.icon, MessageIcon::kError);
            texts.push_back(box.text);
        }
        return texts;
    }

    TOstrelSettings settings_;
    RecordingDialogs dialogs_;
};

TEST_F(LeaveMessageTest, RowsFollowTheAskSettings) {
    settings_.askName = false;
    TfrmLeaveMessage bare(settings_, dialogs_);
    EXPECT_EQ(bare.windowTitle(), "Leave a Secure Note");
    EXPECT_TRUE(bare.panFrom->isHidden());
    EXPECT_TRUE(bare.panSubject->isHidden());
    EXPECT_TRUE(bare.panEmail->isHidden());
    EXPECT_FALSE(bare.memMessage->isHidden());

    settings_.askSubject = true;
    settings_.askEmail = true;
    TfrmLeaveMessage full(settings_, dialogs_);
    EXPECT_TRUE(full.panFrom->isHidden());
    EXPECT_FALSE(full.panSubject->isHidden());
    EXPECT_FALSE(full.panEmail->isHidden());
    EXPECT_FALSE(full.chkEmailCopy->isEnabled());

    // A required field is shown even when not asked for.
    settings_.reqName = true;
    TfrmLeaveMessage required(settings_, dialogs_);
    EXPECT_FALSE(required.panFrom->isHidden());
}

TEST_F(LeaveMessageTest, ChecksRunInOrderAndMoveTheFocus) {
    settings_.askSubject = settings_.askEmail = true;
    settings_.reqName = settings_.reqSubject = settings_.reqEmail = true;
    TfrmLeaveMessage form(settings_, dialogs_);
    ASSERT_TRUE(ShowActive(&form));
    form.memMessage->setFocus();

    form.tbLeaveMessage->click();
    EXPECT_EQ(form.focusWidget(), form.edtFrom);
    QTest::keyClicks(form.edtFrom, "Ann");
    form.tbLeaveMessage->click();
    EXPECT_EQ(form.focusWidget(), form.edtSubject);
    QTest::keyClicks(form.edtSubject, "Lunch");
    QTest::keyClicks(form.edtEmail, "ann@localhost");
    form.tbLeaveMessage->click();
    EXPECT_EQ(form.focusWidget(), form.edtEmail);
    form.edtEmail->setText("ann@example.org");
    form.tbLeaveMessage->click();  // the focus stays where it is for an empty message
    EXPECT_EQ(form.focusWidget(), form.edtEmail);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(
        BoxTexts(),
        (std::vector<std::string>{
            "You must enter in your name into the From field.", "You must enter in a subject.",
            "You must enter in a valid email address.", "You must enter a message!"}));

    QTest::keyClicks(form.memMessage, " ");
    form.tbLeaveMessage->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const NoteEntry note = form.Note();
    EXPECT_EQ(note.from, "Ann");
    EXPECT_EQ(note.subject, "Lunch");
    EXPECT_EQ(note.message, " ");
}

TEST_F(LeaveMessageTest, EnterMovesOnOnlyFromFilledBoxesAndEscCancels) {
    settings_.askSubject = true;
    TfrmLeaveMessage form(settings_, dialogs_);
    ASSERT_TRUE(ShowActive(&form));
    EXPECT_EQ(form.focusWidget(), form.edtFrom);
    PressOnFocus(&form, Qt::Key_Return);  // empty From: swallowed, no move
    EXPECT_EQ(form.focusWidget(), form.edtFrom);
    EXPECT_TRUE(form.isVisible());
    QTest::keyClicks(form.edtFrom, "Ann");
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.edtSubject);
    PressOnFocus(&form, Qt::Key_Return);
    EXPECT_EQ(form.focusWidget(), form.memMessage);
    EXPECT_TRUE(dialogs_.boxes.empty());

    QTest::keyClicks(form.memMessage, "typed");
    PressOnFocus(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(LeaveMessageTest, HiddenRowsGiveEmptyTexts) {
    settings_.askName = false;
    TfrmLeaveMessage form(settings_, dialogs_);
    form.edtFrom->setText("hidden");
    form.memMessage->setPlainText("m");
    const NoteEntry note = form.Note();
    EXPECT_EQ(note.from, "");
    EXPECT_EQ(note.message, "m");
}

// --- away-message picker ---

class PickAwayMsgTest : public testing::Test {
protected:
    PickAwayMsgTest() { presets_.Load(kDefaultAwayPresets); }

    TfrmPickAwayMsg::Setup StartUp(int seconds) const {
        return {"current", "the default", seconds, true};
    }

    AwayPresets presets_;
};

TEST_F(PickAwayMsgTest, OpensWithPresetsTextAndTheFullCount) {
    TfrmPickAwayMsg picker(presets_, StartUp(10));
    EXPECT_EQ(picker.windowTitle(), "Away Message");
    ASSERT_EQ(picker.cboPreset->count(), 4);
    EXPECT_EQ(picker.cboPreset->itemText(3), "Invisible");
    EXPECT_EQ(picker.memAwayMessage->toPlainText(), "current");
    EXPECT_EQ(picker.memAwayMessage->textCursor().position(), 7);
    EXPECT_EQ(picker.status->text(), "Using default message in 10 seconds");
    EXPECT_TRUE(picker.btnOK->isDefault());

    ASSERT_TRUE(ShowActive(&picker));
    EXPECT_EQ(picker.focusWidget(), picker.memAwayMessage);
    EXPECT_EQ(QCursor::pos(), picker.btnDefaultMsg->mapToGlobal(QPoint(10, 14)));
}

TEST_F(PickAwayMsgTest, CountdownChoosesTheDefaultWhenLeftAlone) {
    TfrmPickAwayMsg picker(presets_, StartUp(1));
    ASSERT_TRUE(ShowActive(&picker));
    EXPECT_EQ(picker.status->text(), "Using default message in 1 seconds");
    QTRY_COMPARE_WITH_TIMEOUT(picker.status->text(), QString("Using default message in 0 seconds"),
                              5000);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.Chosen(), "the default");
}

TEST_F(PickAwayMsgTest, TypingStopsTheCountdownForGood) {
    TfrmPickAwayMsg picker(presets_, StartUp(1));
    ASSERT_TRUE(ShowActive(&picker));
    QTest::keyClicks(picker.memAwayMessage, "!");
    EXPECT_FALSE(picker.CountdownRunning());
    EXPECT_EQ(picker.status->text(), "");
    QTest::qWait(1500);
    EXPECT_TRUE(picker.isVisible());
    picker.btnOK->click();
    EXPECT_EQ(picker.Chosen(), "current!");
}

TEST_F(PickAwayMsgTest, ClicksOnTheListOrTheTextStopTheCountdown) {
    TfrmPickAwayMsg onList(presets_, StartUp(5));
    QTest::mouseClick(onList.cboPreset, Qt::LeftButton);
    EXPECT_FALSE(onList.CountdownRunning());
    TfrmPickAwayMsg onText(presets_, StartUp(5));
    QTest::mouseClick(onText.memAwayMessage->viewport(), Qt::LeftButton);
    EXPECT_FALSE(onText.CountdownRunning());
}

TEST_F(PickAwayMsgTest, PresetChoiceFillsTheTextAndOkTakesIt) {
    presets_.Add("meeting", "second of the name");
    TfrmPickAwayMsg picker(presets_, StartUp(10));
    ASSERT_TRUE(ShowActive(&picker));
    picker.cboPreset->setCurrentIndex(2);
    emit picker.cboPreset->activated(2);
    EXPECT_FALSE(picker.CountdownRunning());
    EXPECT_EQ(picker.memAwayMessage->toPlainText(), "In a meeting");
    emit picker.cboPreset->activated(4);  // "meeting": the first name that matches wins
    EXPECT_EQ(picker.memAwayMessage->toPlainText(), "In a meeting");
    picker.btnOK->click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.Chosen(), "In a meeting");
}

TEST_F(PickAwayMsgTest, EmptiedTextIsTakenAndEscGivesTheDefault) {
    TfrmPickAwayMsg emptied(presets_, StartUp(10));
    emptied.memAwayMessage->clear();
    emptied.btnOK->click();
    EXPECT_EQ(emptied.Chosen(), "");

    TfrmPickAwayMsg escaped(presets_, {"current", "the default", 10, false});
    EXPECT_EQ(escaped.status->text(), "");  // no countdown from the menu
    ASSERT_TRUE(ShowActive(&escaped));
    PressOnFocus(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.Chosen(), "the default");
}

// --- message reader ---

class MessagesFormTest : public testing::Test {
protected:
    MessagesFormTest() {
        for (const char* body : {"one", "two", "three"}) {
            messages_.Add({{2026, 12, 11, 9, 30, 0, 0}, "Ann", "s", body});
        }
    }

    std::string Shown(const TfrmMessages& reader) const {
        return reader.memMessage->toPlainText().toStdString();
    }

    TMessageList messages_;
};

TEST_F(MessagesFormTest, ListsEveryMessageAndOpensAtTheOldest) {
    TfrmMessages reader(messages_);
    EXPECT_EQ(reader.windowTitle(), "Messages");
    QAbstractItemModel* model = reader.msgLv->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(0, 0).data().toString(), "Message 1");
    EXPECT_EQ(model->index(2, 0).data().toString(), "Message 3");
    EXPECT_EQ(reader.Selected(), 0);
    EXPECT_EQ(Shown(reader), "From   : Ann\nSubject: s\nTime   : 12/11/2026 9:30:00 AM\n\n\none");
}

TEST_F(MessagesFormTest, NavigationStopsAtBothEnds) {
    TfrmMessages reader(messages_);
    reader.tbPrevious->trigger();
    EXPECT_EQ(reader.Selected(), 0);
    reader.tbNext->trigger();
    reader.tbNext->trigger();
    EXPECT_EQ(reader.Selected(), 2);
    EXPECT_TRUE(Shown(reader).ends_with("three"));
    reader.tbNext->trigger();
    EXPECT_EQ(reader.Selected(), 2);
    EXPECT_TRUE(Shown(reader).ends_with("three"));
    reader.tbFirst->trigger();
    EXPECT_TRUE(Shown(reader).ends_with("one"));
    reader.tbLast->trigger();
    EXPECT_EQ(reader.Selected(), 2);
    reader.tbPrevious->trigger();
    EXPECT_TRUE(Shown(reader).ends_with("two"));

    reader.msgLv->clearSelection();
    reader.tbNext->trigger();  // with nothing selected, Next goes to the first entry
    EXPECT_EQ(reader.Selected(), 0);
}

TEST_F(MessagesFormTest, ClickShowsTheEntryAndEscCloses) {
    TfrmMessages reader(messages_);
    ASSERT_TRUE(ShowActive(&reader));
    const QRect third = reader.msgLv->visualRect(reader.msgLv->model()->index(2, 0));
    QTest::mouseClick(reader.msgLv->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_TRUE(Shown(reader).ends_with("three"));
    PressOnFocus(&reader, Qt::Key_Escape);
    EXPECT_FALSE(reader.isVisible());
}

}  // namespace
}  // namespace ostrel
