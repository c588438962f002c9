#include "workstation/lock/ostrel_bar.h"

#include <QEvent>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace ostrel {

namespace {

constexpr int kMargin = 5;
constexpr int kMenuButtonWidth = 124;
constexpr int kMenuButtonHeight = 36;
constexpr int kSmallButton = 28;
// The notebook starts where the buttons end; it is this much narrower than the bar.
constexpr int kNotebookLeft = 266;
constexpr int kNotebookSlack = 271;
constexpr int kNotebookMargin = 15;
constexpr int kSysInfoWidth = 190;
constexpr int kConsoleLimit = 100000;
// The status panel's labels that the status timer fills.
constexpr const char* kStatusLabels[] = {"lblAppIdle", "lblCpuLoad", "lblSysTime",
                                         "lblBatteryLife"};
const char* const kButtonStyle =
    "QToolButton { color: white; font: bold; background: transparent; border: 1px solid gray; "
    "padding: 2px; } QToolButton:hover { color: lime; border-color: lime; } "
    "QToolButton:pressed, QToolButton:checked { background: rgba(255, 255, 255, 40); }";

// A padlock, shut or open, for the menu button.
QIcon LockGlyph(bool locked) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(locked ? QColor(255, 210, 0) : QColor(0, 220, 0), 2.5));
    QPainterPath shackle;
    const qreal right = locked ? 17 : 21;
    shackle.moveTo(7, 12);
    shackle.lineTo(7, 8);
    shackle.arcTo(7, 2, right - 7, 10, 180, -180);
    if (locked) shackle.lineTo(right, 12);
    painter.drawPath(shackle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(locked ? QColor(255, 210, 0) : QColor(0, 220, 0));
    painter.drawRoundedRect(QRectF(4, 11, 16, 11), 2, 2);
    return QIcon(pixmap);
}

}  // namespace

TOstrelBar::TOstrelBar(QWidget* parent) : QWidget(parent) {
    setObjectName("panBottom");
    setFixedHeight(kHeight);
    setAutoFillBackground(true);

    tbOstrel_ = AddButton("tbOstrel", "Ostrel Menu", "Ostrel Menu");
    tbOstrel_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbOstrel_->setIconSize(QSize(20, 20));
    tbOstrel_->setEnabled(false);
    tbOstrel_->setGeometry(kMargin, kMargin, kMenuButtonWidth, kMenuButtonHeight);
    SetLockedGlyph(true);

    const QStyle* look = style();
    tbMinimize_ = AddButton("tbMinimize", "_", "Minimize the Ostrel Bar");
    options_ = AddButton("ToolbarButton973", QString(), "Options");
    options_->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
    imgNetworkConnection_ = AddButton("imgNetworkConnection", QString(), QString());
    tbConsoleToggle_ = AddButton("tbConsoleToggle", QString(), QString());
    help_ = AddButton("ToolbarButton972", "?", "Show Ostrel Help");
    const QList<QToolButton*> small = {tbMinimize_, options_, imgNetworkConnection_,
                                       tbConsoleToggle_, help_};
    int left = kMargin;
    for (QToolButton* button : small) {
        button->setGeometry(left, kMargin + kMenuButtonHeight + 6, kSmallButton, kSmallButton);
        left += kSmallButton + 4;
    }
    SetNetworkIndicator(false);

    nb2_ = new QStackedWidget(this);
    nb2_->setObjectName("nb2");
    browser2_ = new QTextBrowser(nb2_);
    browser2_->setObjectName("browser2");
    browser2_->setOpenLinks(false);
    browser2_->setFocusPolicy(Qt::NoFocus);
    // The page's own colours win; these show while it loads or when it is missing.
    browser2_->setStyleSheet("QTextBrowser { background: #1c2433; color: #d8e2f0; border: none; }");
    memo1_ = new QPlainTextEdit(nb2_);
    memo1_->setObjectName("Memo1");
    memo1_->setReadOnly(true);
    memo1_->setFocusPolicy(Qt::NoFocus);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setFrameShape(QFrame::NoFrame);
    memo1_->viewport()->installEventFilter(this);
    nb2_->addWidget(browser2_);
    nb2_->addWidget(memo1_);
    // The console never grows past its limit: it starts again empty.
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (memo1_->document()->characterCount() > kConsoleLimit) memo1_->clear();
    });

    panSysInfo_ = new QWidget(this);
    panSysInfo_->setObjectName("panSysInfo");
    auto* column = new QVBoxLayout(panSysInfo_);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(0);
    for (const char* name : kStatusLabels) {
        auto* label = new QLabel(panSysInfo_);
        label->setObjectName(name);
        label->setStyleSheet("color: white;");
        column->addWidget(label);
    }
    lblTimeToLock_ = new QLabel(panSysInfo_);
    lblTimeToLock_->setObjectName("lblTimeToLock");
    lblTimeToLock_->setStyleSheet("color: yellow; font: bold;");
    lblTimeToLock_->hide();
    column->addWidget(lblTimeToLock_);
    panSysInfo_->hide();

    connect(tbOstrel_, &QToolButton::clicked, this, &TOstrelBar::menuClicked);
    connect(tbMinimize_, &QToolButton::clicked, this, &TOstrelBar::minimizeClicked);
    connect(options_, &QToolButton::clicked, this, &TOstrelBar::optionsClicked);
    connect(imgNetworkConnection_, &QToolButton::clicked, this, &TOstrelBar::networkClicked);
    connect(tbConsoleToggle_, &QToolButton::clicked, this, &TOstrelBar::consoleToggleClicked);
    connect(help_, &QToolButton::clicked, this, &TOstrelBar::helpClicked);
    connect(browser2_, &QTextBrowser::anchorClicked, this, &TOstrelBar::MiniBrowserLink);
    installEventFilter(this);
    LayOut();
}

QToolButton* TOstrelBar::AddButton(const QString& name, const QString& text, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(kButtonStyle);
    return button;
}

void TOstrelBar::ShowConsolePage(bool console) {
    nb2_->setCurrentWidget(console ? static_cast<QWidget*>(memo1_) : browser2_);
}

bool TOstrelBar::ConsoleShowing() const {
    return nb2_->currentWidget() == memo1_;
}

void TOstrelBar::SetConsoleToggle(bool consoleShowing) {
    const QStyle* look = style();
    tbConsoleToggle_->setIcon(look->standardIcon(consoleShowing ? QStyle::SP_DirHomeIcon
                                                                : QStyle::SP_FileDialogListView));
    tbConsoleToggle_->setToolTip(consoleShowing ? "Minibrowser" : "Console");
}

void TOstrelBar::SetNetworkIndicator(bool suspended) {
    networkSuspended_ = suspended;
    const QStyle* look = style();
    imgNetworkConnection_->setIcon(
        look->standardIcon(suspended ? QStyle::SP_BrowserStop : QStyle::SP_DriveNetIcon));
    imgNetworkConnection_->setToolTip(suspended ? "Network suspended, click to resume"
                                                : "Network is normal, click to suspend");
}

void TOstrelBar::ShowSysInfoPanel(bool show) {
    panSysInfo_->setVisible(show);
}

void TOstrelBar::ClearStatusLabels() {
    for (const char* name : kStatusLabels) {
        if (auto* label = panSysInfo_->findChild<QLabel*>(name)) label->clear();
    }
}

void TOstrelBar::LayOut() {
    const int barHeight = height();
    nb2_->setGeometry(kNotebookLeft, kMargin, std::max(0, width() - kNotebookSlack),
                      std::max(0, barHeight - kNotebookMargin));
    panSysInfo_->setGeometry(width() - kSysInfoWidth - kMargin, kMargin, kSysInfoWidth,
                             std::max(0, barHeight - 2 * kMargin));
    panSysInfo_->raise();
}

void TOstrelBar::OpenMiniBrowser(const QString& url) {
    const QUrl address(url);
    // A program folder without the page keeps the bar's own blank page.
    if (address.isLocalFile() && !QFileInfo::exists(address.toLocalFile())) return;
    browser2_->setSource(address);
}

void TOstrelBar::SetLockedGlyph(bool locked) {
    tbOstrel_->setIcon(LockGlyph(locked));
}

void TOstrelBar::SetHeight(int height) {
    setFixedHeight(height);
    memo1_->setVerticalScrollBarPolicy(height == kTallHeight ? Qt::ScrollBarAsNeeded
                                                             : Qt::ScrollBarAlwaysOff);
    nb2_->setVisible(height > kCollapsedHeight);
    LayOut();
}

void TOstrelBar::ToggleCollapsed() {
    if (height() == kHeight) {
        SetHeight(kCollapsedHeight);
    } else if (height() == kCollapsedHeight) {
        SetHeight(kHeight);
    }
}

void TOstrelBar::ToggleTall() {
    if (height() == kHeight) {
        SetHeight(kTallHeight);
    } else if (height() == kTallHeight) {
        SetHeight(kHeight);
    }
}

void TOstrelBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

bool TOstrelBar::eventFilter(QObject* watched, QEvent* event) {
    const bool onMemo = watched == memo1_->viewport();
    if (!onMemo && watched != this) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Enter) tbOstrel_->setDown(false);
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    if (onMemo) {
        ToggleTall();
    } else {
        ToggleCollapsed();
    }
    return true;
}

void TOstrelBar::MiniBrowserLink(const QUrl& url) {
    const QString address = url.toString();
    if (address.endsWith('#')) {
        emit pageLinkClicked(address);
        return;
    }
    // Pages of the mini-browser are local files; other addresses are not followed here.
    if (url.isLocalFile() || url.isRelative()) browser2_->setSource(url);
}

}  // namespace ostrel
