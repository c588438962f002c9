#include "workstation/lock/slf_renderer.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "fake/fake_clock.h"
#include "fake/recording_dialogs.h"
#include "linux/linux_file_system.h"
#include "linux/linux_process_launcher.h"
#include "workstation/lock/analog_clock.h"
#include "workstation/lock/slf_label.h"
#include "workstation/lock/slf_layouts_menu.h"

namespace ostrel {
namespace {

class SlfRendererTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        programFolder_ = folder_.path().toStdString() + "/";
        surface_.resize(800, 600);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.setPixel(0, 29, qRgb(255, 255, 255));  // the transparent colour
        picture.save(folder_.filePath("tile.png"));
    }

    void Load(const std::string& layout) {
        const std::string path = programFolder_ + "test.slf";
        std::ofstream(path, std::ios::binary) << layout;
        LoadSLFLayout(path, context_, renderer_, services_);
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        return surface_.findChild<Widget*>(name, Qt::FindDirectChildrenOnly);
    }

    // Layout-created widgets of a type, in the order made.
    template <typename Widget>
    QList<Widget*> Created() {
        QList<Widget*> found;
        for (Widget* widget : surface_.findChildren<Widget*>(Qt::FindDirectChildrenOnly)) {
            if (widget->property("slfCreated").toBool()) found.push_back(widget);
        }
        return found;
    }

    QTemporaryDir folder_;
    std::string programFolder_;
    QWidget surface_;
    SlfRenderer renderer_{&surface_};
    LinuxFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/nonexistent/", "/nonexistent/"};
    RecordingDialogs dialogs_;
    LinuxProcessLauncher launcher_;
    PluginHost plugins_{launcher_, log_};
    SlfContext context_{"", "Out to lunch"};
    SlfLoadServices services_{files_, dialogs_, plugins_};
};

TEST_F(SlfRendererTest, ControlsStandWhereTheFilePutsThem) {
    context_.programFolder = programFolder_;
    Load(
        "[Layout]\nTitle=Small\n"
        "[MyBackGroundImage]\ncolor=$00402010\nfilename=tile.png\nleft=300\ntop=200\n"
        "[EXITPASSWORDBOX]\nleft=310\ntop=210\nwidth=150\nheight=24\n"
        "font=,Arial,12,b,clYellow,0,\nbackcolor=clNavy\n"
        "[EXITOKBUTTON2]\nleft=470\ntop=210\nwidth=60\nheight=24\ncaption=OK\n"
        "[LABEL1]\nleft=20\ntop=30\ncaption=Hello\nautosize=1\n"
        "[MYLABEL]\ncaption=never\n"
        "[AWAYMESSAGELABEL]\nleft=20\ntop=60\n");

    EXPECT_TRUE(dialogs_.boxes.empty());
    EXPECT_EQ(surface_.palette().color(QPalette::Window), QColor(0x10, 0x20, 0x40));

    auto* password = Find<QLineEdit>("edtExitPassword");
    ASSERT_TRUE(password);
    EXPECT_FALSE(password->isHidden());
    EXPECT_EQ(password->geometry(), QRect(310, 210, 150, 24));
    EXPECT_EQ(password->font().pixelSize(), 16);
    EXPECT_TRUE(password->font().bold());
    EXPECT_EQ(password->palette().color(QPalette::Base), QColor(0, 0, 0x80));
    EXPECT_EQ(password->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0));
    EXPECT_TRUE(Find<QLineEdit>("edtExitUsername")->isHidden());

    for (QWidget* button : {static_cast<QWidget*>(Find<QToolButton>("tbExitOK")),
                            static_cast<QWidget*>(Find<QPushButton>("btnExitOK"))}) {
        ASSERT_TRUE(button);
        EXPECT_FALSE(button->isHidden());
        EXPECT_EQ(button->geometry(), QRect(470, 210, 60, 24));
    }
    EXPECT_TRUE(Find<QToolButton>("tbLeaveMessage")->isHidden());

    const QList<SlfLabel*> labels = Created<SlfLabel>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), "Hello");
    EXPECT_EQ(labels[0]->pos(), QPoint(20, 30));
    EXPECT_EQ(labels[0]->size(), labels[0]->sizeHint());
    EXPECT_EQ(Find<SlfLabel>("lblAwayMessage")->text(), "Out to lunch");

    QList<QLabel*> pictures = Created<QLabel>();
    pictures.removeIf([](QLabel* label) { return qobject_cast<SlfLabel*>(label) != nullptr; });
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0]->geometry(), QRect(300, 200, 40, 30));
    // The picture came after the box in the file and still lies behind it.
    const QImage image = surface_.grab().toImage();
    EXPECT_EQ(image.pixel(305, 205), QColor(Qt::blue).rgb());
    EXPECT_EQ(image.pixel(300, 229), qRgb(0x10, 0x20, 0x40));
    EXPECT_EQ(image.pixel(330, 222), QColor(0, 0, 0x80).rgb());
}

TEST_F(SlfRendererTest, BoxesMaskWhatIsTypedUnlessTheLayoutSaysOtherwise) {
    Load("[EXITUSERNAMEBOX]\n[EXITPASSWORDBOX]\nmask=#\n");
    auto* user = Find<QLineEdit>("edtExitUsername");
    auto* password = Find<QLineEdit>("edtExitPassword");
    user->setText("bob");
    password->setText("pw");
    EXPECT_EQ(user->displayText(), "***");
    EXPECT_EQ(password->displayText(), "##");

    Load("[EXITUSERNAMEBOX]\nmask=\n[EXITPASSWORDBOX]\nmask=\n");
    EXPECT_EQ(user->displayText(), "***");
    EXPECT_EQ(password->displayText(), "##");
}

TEST_F(SlfRendererTest, UserNameBoxShowsPlainTextUntilALayoutMasksIt) {
    Load("[EXITUSERNAMEBOX]\nmask=\n");
    auto* user = Find<QLineEdit>("edtExitUsername");
    user->setText("bob");
    EXPECT_EQ(user->displayText(), "bob");
}

TEST_F(SlfRendererTest, MissingPluginLeavesARedBoxWithErrorTwo) {
    context_.programFolder = programFolder_;
    Load("[PLUGIN1]\nfilename=nothere\nleft=50\ntop=60\nwidth=120\nheight=90\n");
    const QList<QGroupBox*> boxes = Created<QGroupBox>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->title(), "Plugin Error #2");
    EXPECT_EQ(boxes[0]->geometry(), QRect(50, 60, 120, 90));
    EXPECT_EQ(boxes[0]->palette().color(QPalette::Window), QColor(Qt::red));
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0].text,
              "The plug-in could not be started: " + programFolder_ + "Plugins/nothere");
}

TEST_F(SlfRendererTest, BadPictureEndsTheLoadAtThatSection) {
    context_.programFolder = programFolder_;
    Load("[LABEL1]\n[IMAGE1]\nfilename=absent.png\n[LABEL2]\n");
    EXPECT_EQ(Created<SlfLabel>().size(), 1);
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_NE(dialogs_.boxes[0].text.find("Section [IMAGE1], key filename: the picture \"" +
                                          programFolder_ + "layouts/slf/absent.png\""),
              std::string::npos);
}

TEST_F(SlfRendererTest, ReloadHidesEarlierControlsUntilTheyAreFreed) {
    Load("[LABEL1]\ncaption=one\n[EXITPASSWORDBOX]\n[BEVEL]\nraised=1\n");
    Load("[LABEL1]\ncaption=two\n");
    const QList<SlfLabel*> labels = Created<SlfLabel>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_TRUE(labels[0]->isHidden());
    EXPECT_FALSE(labels[1]->isHidden());
    EXPECT_TRUE(Find<QLineEdit>("edtExitPassword")->isHidden());

    renderer_.FreeCreatedControls();
    EXPECT_TRUE(Created<QWidget>().isEmpty());
    EXPECT_TRUE(Find<QLineEdit>("edtExitPassword"));
}

TEST_F(SlfRendererTest, LoweredBevelHasItsShadowAtTheTopLeft) {
    Load(
        "[BEVEL]\nleft=10\ntop=10\nwidth=50\nheight=20\nraised=1\n[BEVEL2]\nleft=100\ntop=10\n"
        "width=50\nheight=20\n");
    const QImage image = surface_.grab().toImage();
    const QRgb dark = surface_.palette().color(QPalette::Dark).rgb();
    const QRgb light = surface_.palette().color(QPalette::Light).rgb();
    EXPECT_EQ(image.pixel(30, 10), dark);
    EXPECT_EQ(image.pixel(30, 29), light);
    EXPECT_EQ(image.pixel(120, 10), light);
    EXPECT_EQ(image.pixel(120, 29), dark);
}

TEST_F(SlfRendererTest, ClockAndUptimeLabelsFollowTheTick) {
    Load("[CLOCKLABEL2]\nformat=dddd h:nn am/pm\n[SYSTEMUPTIMELABEL]\n");
    renderer_.UpdateClocks({2009, 12, 9, 15, 4, 5, 0}, 10, 3661);
    EXPECT_EQ(Find<SlfLabel>("lblClock1")->text(), "Wednesday 3:04 pm");
    EXPECT_EQ(Find<SlfLabel>("lblClock2")->text(), "Wednesday 3:04 pm");
    EXPECT_EQ(Find<SlfLabel>("lblSystemUptime")->text(), "1 hrs 1 min 1 sec");
    // Hidden labels keep their caption.
    EXPECT_EQ(Find<SlfLabel>("lblOstrelUptime")->text(), "");
}

TEST_F(SlfRendererTest, AnalogClockRunsOnlyWhenALayoutNamesIt) {
    auto* clock = Find<AnalogClock>("jvClock");
    Load(
        "[ANALOGCLOCK]\nleft=0\ntop=0\nwidth=200\nheight=200\ncolor=clBlack\n"
        "font=,Arial,10,,clWhite,0,\nshowseconds=0\n");
    EXPECT_TRUE(clock->IsRunning());
    clock->FreezeAt(QTime(3, 0, 0));
    const QImage image = clock->grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 100), QColor(Qt::white));  // hour hand towards three
    EXPECT_EQ(image.pixelColor(100, 50), QColor(Qt::white));   // minute hand at twelve
    EXPECT_EQ(image.pixelColor(50, 100), QColor(Qt::black));
    Load("[LABEL1]\n");
    EXPECT_FALSE(clock->IsRunning());
    EXPECT_TRUE(clock->isHidden());
}

TEST_F(SlfRendererTest, CredentialKeysAndButtonsReachTheLockForm) {
    Load("[EXITUSERNAMEBOX]\n[EXITPASSWORDBOX]\n[EXITOKBUTTON2]\n[MESSAGECOUNTLABEL]\n");
    QSignalSpy ok(&renderer_, &SlfRenderer::okClicked);
    QSignalSpy count(&renderer_, &SlfRenderer::messageCountClicked);
    QTest::keyClick(Find<QLineEdit>("edtExitPassword"), Qt::Key_Return);
    QTest::mouseClick(Find<QToolButton>("tbExitOK"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("btnExitOK"), Qt::LeftButton);
    QTest::keyClick(Find<QLineEdit>("edtExitUsername"), Qt::Key_Return);
    QTest::mouseClick(Find<SlfLabel>("lblMessageCount"), Qt::LeftButton);
    EXPECT_EQ(ok.count(), 3);
    EXPECT_EQ(count.count(), 1);
}

TEST(SlfLayoutsMenuTest, ItemsCarryTheirPathsAndTheCurrentOneIsTicked) {
    QMenu menu;
    std::string chosen;
    LayoutsIntoMenu(menu,
                    {{"Night", "/p/layouts/slf/night.slf", false},
                     {"", "", true},
                     {"Blue", "/p/layouts/html/blue.html", false}},
                    [&chosen](const std::string& path) { chosen = path; });
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Night");
    EXPECT_EQ(items[0]->statusTip(), "/p/layouts/slf/night.slf");
    EXPECT_TRUE(items[1]->isSeparator());
    items[2]->trigger();
    EXPECT_EQ(chosen, "/p/layouts/html/blue.html");

    TickLayoutItem(menu, "/p/layouts/slf/night.slf");
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_FALSE(items[2]->isChecked());
    TickLayoutItem(menu, "/p/layouts/slf/NIGHT.slf");
    EXPECT_FALSE(items[0]->isChecked());
}

}  // namespace
}  // namespace ostrel
