#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>

namespace ostrel {

// The Ostrel bar along the bottom of the lock screen: the menu button, the small buttons, the
// status panel and a notebook whose page 0 is the mini-browser and page 1 the console. It owns
// its widgets and their looks; the lock form decides what its buttons do.
class TOstrelBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 85;
    static constexpr int kCollapsedHeight = 6;
    static constexpr int kTallHeight = 340;

    explicit TOstrelBar(QWidget* parent);

    QToolButton* MenuButton() const { return tbOstrel_; }
    QPlainTextEdit* Console() const { return memo1_; }
    QTextBrowser* MiniBrowser() const { return browser2_; }
    QLabel* TimeToLock() const { return lblTimeToLock_; }

    void ShowConsolePage(bool console);
    bool ConsoleShowing() const;
    // Glyph and hint of the console toggle for the page that shows.
    void SetConsoleToggle(bool consoleShowing);
    void SetNetworkIndicator(bool suspended);
    bool NetworkSuspended() const { return networkSuspended_; }
    void ShowSysInfoPanel(bool show);
    void ClearStatusLabels();
    // The status panel at the right end, the notebook as wide as the bar allows.
    void LayOut();
    void OpenMiniBrowser(const QString& url);
    void SetLockedGlyph(bool locked);

    void SetHeight(int height);
    // A double click on the bar: collapsed and normal swap.
    void ToggleCollapsed();
    // A double click on the console: normal and tall swap.
    void ToggleTall();

signals:
    void menuClicked();
    void minimizeClicked();
    void optionsClicked();
    void networkClicked();
    void consoleToggleClicked();
    void helpClicked();
    // A mini-browser link whose address ends with "#": it is meant for the lock screen's page.
    void pageLinkClicked(const QString& url);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* AddButton(const QString& name, const QString& text, const QString& hint);
    void MiniBrowserLink(const QUrl& url);

    QToolButton* tbOstrel_;
    QToolButton* tbMinimize_;
    QToolButton* options_;
    QToolButton* imgNetworkConnection_;
    QToolButton* tbConsoleToggle_;
    QToolButton* help_;
    QStackedWidget* nb2_;
    QTextBrowser* browser2_;
    QPlainTextEdit* memo1_;
    QWidget* panSysInfo_;
    QLabel* lblTimeToLock_;
    bool networkSuspended_ = false;
};

}  // namespace ostrel
