#include "workstation/messages/pick_away_msg_form.h"

#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/form_helpers.h"

namespace ostrel {

namespace {

constexpr int kTickMs = 1000;
// Where the pointer goes on the default-message button, from its top-left corner.
const QPoint kPointerOnDefault(10, 14);

}  // namespace

TfrmPickAwayMsg::TfrmPickAwayMsg(const AwayPresets& presets, const Setup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      presets_(presets),
      defaultAwayMessage_(setup.defaultAwayMessage),
      countdown_(setup.secsBeforeDefaultMsg),
      chosen_(setup.defaultAwayMessage) {
    setObjectName("frmPickAwayMsg");
    setWindowTitle("Away Message");
    setMinimumWidth(420);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* header = new QLabel("Ostrel 3.0", this);
    header->setObjectName("lblHeader");
    header->setAutoFillBackground(true);
    header->setStyleSheet(
        "background: rgb(40, 40, 40); color: lime; font-weight: bold; "
        "padding: 8px;");
    layout->addWidget(header);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 6);
    body->addWidget(new QLabel("Choose default, preset, or enter your own away message", this));
    cboPreset = new QComboBox(this);
    cboPreset->setObjectName("cboPreset");
    for (const std::string& name : presets.Names())
        cboPreset->addItem(QString::fromStdString(name));
    cboPreset->setCurrentIndex(-1);
    body->addWidget(cboPreset);
    memAwayMessage = new QPlainTextEdit(this);
    memAwayMessage->setObjectName("memAwayMessage");
    memAwayMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memAwayMessage->setPlainText(QString::fromStdString(setup.awayMessage));
    memAwayMessage->moveCursor(QTextCursor::End);
    body->addWidget(memAwayMessage, 1);
    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton("&OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnDefaultMsg = new QPushButton("Use My Default &Message", this);
    btnDefaultMsg->setObjectName("btnDefaultMsg");
    buttons->addWidget(btnOK);
    buttons->addWidget(btnDefaultMsg);
    buttons->addStretch(1);
    body->addLayout(buttons);
    layout->addLayout(body, 1);
    status = new QLabel(this);
    status->setObjectName("status");
    status->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(status);
    memAwayMessage->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &TfrmPickAwayMsg::btnOKClick);
    connect(btnDefaultMsg, &QPushButton::clicked, this, &TfrmPickAwayMsg::reject);
    connect(cboPreset, &QComboBox::activated, this, &TfrmPickAwayMsg::cboPresetChange);
    connect(memAwayMessage, &QPlainTextEdit::textChanged, this, &TfrmPickAwayMsg::StopCountdown);
    cboPreset->installEventFilter(this);
    memAwayMessage->viewport()->installEventFilter(this);

    // Without the countdown (opened from the menu) the status line stays empty: no default
    // message follows.
    if (setup.countdown) {
        timer_.setInterval(kTickMs);
        connect(&timer_, &QTimer::timeout, this, &TfrmPickAwayMsg::CountdownTick);
        timer_.start();
        CountdownTick();
    }
}

void TfrmPickAwayMsg::CountdownTick() {
    const AwayCountdown::Tick tick = countdown_.Step();
    status->setText(QString::fromStdString(tick.status));
    if (tick.expired) reject();
}

void TfrmPickAwayMsg::StopCountdown() {
    if (!timer_.isActive()) return;
    timer_.stop();
    status->clear();
}

void TfrmPickAwayMsg::cboPresetChange(int index) {
    StopCountdown();
    const std::optional<std::string> text =
        presets_.TextOf(cboPreset->itemText(index).toStdString());
    if (text) memAwayMessage->setPlainText(QString::fromStdString(*text));
}

void TfrmPickAwayMsg::btnOKClick() {
    timer_.stop();
    chosen_ = memAwayMessage->toPlainText().toStdString();
    accept();
}

void TfrmPickAwayMsg::reject() {
    timer_.stop();
    chosen_ = defaultAwayMessage_;
    QDialog::reject();
}

bool TfrmPickAwayMsg::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool key = event->type() == QEvent::KeyPress;
    // Opening or using the preset list, or clicking into the text.
    if ((watched == cboPreset && (press || key)) || (watched != cboPreset && press)) {
        StopCountdown();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPickAwayMsg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !pointerPlaced_) {
        pointerPlaced_ = true;
        QCursor::setPos(btnDefaultMsg->mapToGlobal(kPointerOnDefault));
    }
}

}  // namespace ostrel
