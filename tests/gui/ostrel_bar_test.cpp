#include "workstation/lock/ostrel_bar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

namespace ostrel {
namespace {

class OstrelBarTest : public testing::Test {
protected:
    OstrelBarTest() {
        window_.resize(1280, 200);
        bar_.setGeometry(0, 200 - TOstrelBar::kHeight, 1280, TOstrelBar::kHeight);
        window_.show();
    }
    void WritePage(const QString& name, const std::string& html) {
        std::ofstream(folder_.filePath(name).toStdString()) << html;
    }
    QWidget window_;
    TOstrelBar bar_{&window_};
    QTemporaryDir folder_;
};

TEST_F(OstrelBarTest, MiniBrowserLinkEndingInHashGoesToTheLockScreensPage) {
    WritePage("mini.html", "<a href=\"next.html\">next</a>");
    WritePage("next.html", "<p>second page</p>");
    bar_.OpenMiniBrowser(QUrl::fromLocalFile(folder_.filePath("mini.html")).toString());
    QSignalSpy pageLinks(&bar_, &TOstrelBar::pageLinkClicked);

    emit bar_.MiniBrowser()->anchorClicked(QUrl::fromLocalFile(folder_.filePath("next.html")));
    EXPECT_TRUE(bar_.MiniBrowser()->source().toString().endsWith("next.html"));
    EXPECT_EQ(pageLinks.count(), 0);

    const QUrl forPage("file:///layouts/html/other.html#");
    emit bar_.MiniBrowser()->anchorClicked(forPage);
    ASSERT_EQ(pageLinks.count(), 1);
    EXPECT_EQ(pageLinks.at(0).at(0).toString(), "file:///layouts/html/other.html#");
    EXPECT_TRUE(bar_.MiniBrowser()->source().toString().endsWith("next.html"));
}

TEST_F(OstrelBarTest, DoubleClicksFoldTheBarAndStretchTheConsole) {
    bar_.ShowConsolePage(true);
    QTest::mouseDClick(bar_.Console()->viewport(), Qt::LeftButton);
    EXPECT_EQ(bar_.height(), TOstrelBar::kTallHeight);
    QTest::mouseDClick(bar_.Console()->viewport(), Qt::LeftButton);
    EXPECT_EQ(bar_.height(), TOstrelBar::kHeight);
    QTest::mouseDClick(&bar_, Qt::LeftButton, Qt::NoModifier, QPoint(150, 80));
    EXPECT_EQ(bar_.height(), TOstrelBar::kCollapsedHeight);
    QTest::mouseDClick(&bar_, Qt::LeftButton, Qt::NoModifier, QPoint(150, 3));
    EXPECT_EQ(bar_.height(), TOstrelBar::kHeight);
}

TEST_F(OstrelBarTest, ConsoleStartsAgainPastItsLimit) {
    const QString line(1000, 'x');
    for (int i = 0; i < 99; ++i) bar_.Console()->appendPlainText(line);
    EXPECT_GT(bar_.Console()->toPlainText().size(), 99000);
    bar_.Console()->appendPlainText(line);
    EXPECT_TRUE(bar_.Console()->toPlainText().isEmpty());
}

TEST_F(OstrelBarTest, StatusPanelSitsAtTheRightEnd) {
    bar_.ShowSysInfoPanel(true);
    auto* panel = bar_.findChild<QWidget*>("panSysInfo");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry().right() + 1, bar_.width() - 5);
    auto* notebook = bar_.findChild<QWidget*>("nb2");
    EXPECT_EQ(notebook->width(), bar_.width() - 271);
}

}  // namespace
}  // namespace ostrel
