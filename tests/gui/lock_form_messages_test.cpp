// The lock form's messages on the offscreen platform: remote messages through the command slot,
// the away message changed from the command word, and the reader at the end of the session.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>

#include "../support/agent_home.h"
#include "common/passwords.h"
#include "fake/fake_instance_channel.h"
#include "workstation/agent_environment.h"
#include "workstation/lock/slf_label.h"
#include "workstation/messages/messages_form.h"
#include "workstation/messages/pick_away_msg_form.h"
#include "workstation/tray/frm_ostrel.h"

namespace ostrel {
namespace {

constexpr int kWaitMs = 5000;

constexpr const char* kLayout =
    "[Layout]\r\nTitle=Test\r\n"
    "[MESSAGECOUNTLABEL]\r\nleft=10\r\ntop=10\r\n"
    "[AWAYMESSAGELABEL]\r\nleft=10\r\ntop=40\r\n"
    "[EXITPASSWORDBOX]\r\nleft=10\r\ntop=80\r\nwidth=200\r\nheight=30\r\n";

// Calls the handler with the modal dialog of that type once one is up.
template <typename Dialog>
void AnswerModal(std::function<void(Dialog*)> handler) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, handler] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        poll->stop();
        poll->deleteLater();
        handler(dialog);
    });
    poll->start(20);
}

class LockFormMessagesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.IsValid());
        const std::string program = home_.ProgramFolder().toStdString();
        QDir().mkpath(home_.ProgramFolder() + "layouts/slf");
        QDir().mkpath(home_.ProgramFolder() + "layouts/html");
        std::ofstream(program + "layouts/slf/test.slf", std::ios::binary) << kLayout;
        std::ofstream(program + "settings.ini", std::ios::binary)
            << "[Security]\r\npasswordHash=" << HashPassword("secret")
            << "\r\n[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/test.slf\r\n";
        environment_ = std::make_unique<AgentEnvironment>();
        environment_->CreateFolders();
        frmOstrel_ = std::make_unique<TfrmOstrel>(*environment_, channel_, "-tray");
        frmOstrel_->Launcher().Launch();
        form_ = frmOstrel_->Launcher().LockForm();
        ASSERT_NE(form_, nullptr);
    }

    void TearDown() override {
        frmOstrel_.reset();
        environment_.reset();
        ClearQuitRequest();
    }

    QString CountLabel() const { return form_->findChild<SlfLabel*>("lblMessageCount")->text(); }

    AgentHome home_;
    FakeInstanceChannel channel_;
    std::unique_ptr<AgentEnvironment> environment_;
    std::unique_ptr<TfrmOstrel> frmOstrel_;
    TfrmMain* form_ = nullptr;
};

TEST_F(LockFormMessagesTest, RemoteMessagesArriveThroughTheCommandSlot) {
    EXPECT_EQ(CountLabel(), "0 Messages");
    PendingRemoteMessage& pending = environment_->PendingMessage();
    pending.Set({.From = "first", .Subject = "lost", .Body = "replaced", .Email = "a@b.org"});
    pending.Set({.From = "desk 4", .Subject = "Lunch", .Body = "At noon?", .Email = "d4@x.org"});
    form_->PostCommand("remotemessage");
    ASSERT_TRUE(QTest::qWaitFor([this] { return form_->Messages().Count() == 1; }, kWaitMs));
    const TMessageObject& stored = form_->Messages().At(0);
    EXPECT_EQ(stored.From, "desk 4");
    EXPECT_EQ(stored.Subject, "Lunch");
    EXPECT_EQ(stored.Body, "At noon?\r\n\r\nFrom email: d4@x.org");
    EXPECT_EQ(CountLabel(), "1 Message");
    EXPECT_NE(environment_->Log().ControllerConsoleText().find(
                  "You received a message from remote address."),
              std::string::npos);

    pending.Set({.From = "", .Subject = "", .Body = "no address", .Email = ""});
    form_->PostCommand("remotemessage");
    ASSERT_TRUE(QTest::qWaitFor([this] { return form_->Messages().Count() == 2; }, kWaitMs));
    EXPECT_EQ(form_->Messages().At(1).Body, "no address\r\n\r\nFrom email: ");
    EXPECT_EQ(CountLabel(), "2 Messages");

    // The word again without a new message stores nothing.
    form_->PostCommand("remotemessage");
    QTest::qWait(300);
    EXPECT_EQ(form_->Messages().Count(), 2);
}

TEST_F(LockFormMessagesTest, ChangeAwayMessageWordOpensThePickerWithoutCountdown) {
    form_->Session().MarkUnlocked();  // no password asked while unlocked
    bool answered = false;
    AnswerModal<TfrmPickAwayMsg>([&answered](TfrmPickAwayMsg* picker) {
        EXPECT_FALSE(picker->CountdownRunning());
        const int meeting = picker->cboPreset->findText("Meeting");
        picker->cboPreset->setCurrentIndex(meeting);
        emit picker->cboPreset->activated(meeting);
        picker->btnOK->click();
        answered = true;
    });
    form_->PostCommand("changeawaymessage");
    ASSERT_TRUE(QTest::qWaitFor([&answered] { return answered; }, kWaitMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(form_->Session().AwayMessage(), "In a meeting");
    EXPECT_EQ(form_->findChild<SlfLabel*>("lblAwayMessage")->text(), "In a meeting");
}

TEST_F(LockFormMessagesTest, EndOfSessionShowsTheReaderBeforeTheLockGoes) {
    environment_->PendingMessage().Set({.From = "a", .Subject = "", .Body = "one", .Email = ""});
    form_->PostCommand("remotemessage");
    ASSERT_TRUE(QTest::qWaitFor([this] { return form_->Messages().Count() == 1; }, kWaitMs));
    environment_->PendingMessage().Set({.From = "b", .Subject = "", .Body = "two", .Email = ""});
    form_->PostCommand("remotemessage");
    ASSERT_TRUE(QTest::qWaitFor([this] { return form_->Messages().Count() == 2; }, kWaitMs));

    bool shown = false;
    AnswerModal<TfrmMessages>([this, &shown](TfrmMessages* reader) {
        EXPECT_EQ(reader->Selected(), 0);
        EXPECT_FALSE(form_->Session().Ended());
        EXPECT_TRUE(form_->isVisible());
        shown = true;
        reader->reject();
    });
    form_->PostCommand("shutdown");
    // The ended form is deleted soon after.
    const QPointer<TfrmMain> form = form_;
    ASSERT_TRUE(
        QTest::qWaitFor([form] { return form == nullptr || form->Session().Ended(); }, kWaitMs));
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace ostrel
