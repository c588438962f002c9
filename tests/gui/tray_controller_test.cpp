// The tray controller on the offscreen platform, where there is no notification area: it returns
// to the tray with its balloon on the console, keeps the process alive until it may close, and
// answers the console keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <memory>

#include "../support/agent_home.h"
#include "fake/fake_instance_channel.h"
#include "workstation/agent_environment.h"
#include "workstation/tray/frm_ostrel.h"

namespace ostrel {
namespace {

constexpr int kWaitMs = 5000;

class TrayControllerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.IsValid());
        environment_ = std::make_unique<AgentEnvironment>();
        environment_->CreateFolders();
        frmOstrel_ = std::make_unique<TfrmOstrel>(*environment_, channel_, "-tray");
    }

    void TearDown() override {
        frmOstrel_.reset();
        environment_.reset();
        ClearQuitRequest();
    }

    QString Console() {
        QCoreApplication::processEvents();
        return frmOstrel_->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    }

    QAction* MenuItem(const QString& caption) {
        for (QAction* action : frmOstrel_->findChild<QMenu*>("traypop")->actions()) {
            if (action->text() == caption) return action;
        }
        return nullptr;
    }

    AgentHome home_;
    FakeInstanceChannel channel_;
    std::unique_ptr<AgentEnvironment> environment_;
    std::unique_ptr<TfrmOstrel> frmOstrel_;
};

TEST_F(TrayControllerTest, ReturnsToTheTrayWithTheHotKeyBalloonOnTheConsole) {
    EXPECT_TRUE(Console().startsWith("-- Ostrel Console Window --\n"));
    EXPECT_FALSE(frmOstrel_->LockFormExists());
    EXPECT_TRUE(frmOstrel_->CanCloseOstrel());
    EXPECT_EQ(frmOstrel_->HotKeyText(), "Ctrl + Alt + S");
    EXPECT_TRUE(QTest::qWaitFor([this] { return frmOstrel_->BalloonShown(); }, kWaitMs));
    EXPECT_TRUE(
        Console().contains("] Ostrel 3.0: Double click or press Ctrl + Alt + S to lock system."));
    // The balloon goes after a second and a half; then the idle watch runs.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !frmOstrel_->BalloonShown(); }, kWaitMs));
    EXPECT_FALSE(frmOstrel_->LockFormExists());
}

TEST_F(TrayControllerTest, ClosesOnlyWhenItMay) {
    frmOstrel_->SetCanCloseOstrel(false);
    EXPECT_FALSE(frmOstrel_->close());
    frmOstrel_->SetCanCloseOstrel(true);
    EXPECT_TRUE(frmOstrel_->close());
}

TEST_F(TrayControllerTest, ExitWithoutPasswordClosesAtOnce) {
    frmOstrel_->SetCanCloseOstrel(false);
    QAction* exit = MenuItem("Exit Ostrel");
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_TRUE(frmOstrel_->CanCloseOstrel());
}

TEST_F(TrayControllerTest, ConsoleKeysGrowTheFormAndCopyTheConsole) {
    auto* memo = frmOstrel_->findChild<QPlainTextEdit*>("Memo1");
    const int height = frmOstrel_->height();
    QTest::keyClick(memo, Qt::Key_Z);
    EXPECT_EQ(frmOstrel_->height(), height + 400);
    QTest::keyClick(memo, Qt::Key_C, Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Console());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Setting hot key..."));
}

}  // namespace
}  // namespace ostrel
