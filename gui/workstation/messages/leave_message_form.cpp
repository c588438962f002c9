#include "workstation/messages/leave_message_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/form_helpers.h"

namespace ostrel {

namespace {

constexpr int kLabelWidth = 70;

// A row of a label and its edit box; the label's shortcut letter focuses the box.
QWidget* MakeRow(QWidget* parent, const QString& caption, QLineEdit* edit, const char* name) {
    auto* row = new QWidget(parent);
    row->setObjectName(name);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, row);
    label->setFixedWidth(kLabelWidth);
    label->setBuddy(edit);
    layout->addWidget(label);
    edit->setParent(row);
    layout->addWidget(edit, 1);
    return row;
}

QToolButton* MakeToolButton(QWidget* parent, const QString& caption, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

TfrmLeaveMessage::TfrmLeaveMessage(const TOstrelSettings& settings, Dialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      edtFrom(new QLineEdit),
      edtSubject(new QLineEdit),
      edtEmail(new QLineEdit),
      memMessage(new QPlainTextEdit),
      settings_(settings),
      dialogs_(dialogs) {
    setObjectName("frmLeaveMessage");
    setWindowTitle("Leave a Secure Note");
    setMinimumWidth(380);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    tbLeaveMessage = MakeToolButton(this, "&Leave Note", "tbLeaveMessage");
    tbCancel = MakeToolButton(this, "&Cancel", "tbCancel");
    bar->addWidget(tbLeaveMessage);
    bar->addWidget(tbCancel);
    bar->addStretch(1);
    layout->addLayout(bar);

    edtFrom->setObjectName("edtFrom");
    edtSubject->setObjectName("edtSubject");
    edtEmail->setObjectName("edtEmail");
    panFrom = MakeRow(this, "&From:", edtFrom, "panFrom");
    panSubject = MakeRow(this, "&Subject:", edtSubject, "panSubject");
    panEmail = new QWidget(this);
    panEmail->setObjectName("panEmail");
    auto* emailLayout = new QVBoxLayout(panEmail);
    emailLayout->setContentsMargins(0, 0, 0, 0);
    emailLayout->addWidget(MakeRow(panEmail, "&Email:", edtEmail, "panEmailAddress"));
    chkEmailCopy = new QCheckBox("Email me a copy of this note", panEmail);
    chkEmailCopy->setObjectName("chkEmailCopy");
    chkEmailCopy->setEnabled(false);
    emailLayout->addWidget(chkEmailCopy);
    // A required field is shown even where the settings do not ask for it: the visitor could
    // not fill it in otherwise.
    panFrom->setVisible(settings.askName || settings.reqName);
    panSubject->setVisible(settings.askSubject || settings.reqSubject);
    panEmail->setVisible(settings.askEmail || settings.reqEmail);
    layout->addWidget(panFrom);
    layout->addWidget(panSubject);
    layout->addWidget(panEmail);

    auto* messageLabel = new QLabel("&Message:", this);
    messageLabel->setBuddy(memMessage);
    layout->addWidget(messageLabel);
    memMessage->setObjectName("memMessage");
    memMessage->setParent(this);
    layout->addWidget(memMessage, 1);
    layout->addWidget(
        new QLabel("This message will be visible only to the user of this computer.", this));

    connect(tbLeaveMessage, &QToolButton::clicked, this, &TfrmLeaveMessage::tbLeaveMessageClick);
    connect(tbCancel, &QToolButton::clicked, this, &QDialog::reject);
    PreviewKeys(this, this);

    if (!panFrom->isHidden()) {
        edtFrom->setFocus();
    } else if (!panSubject->isHidden()) {
        edtSubject->setFocus();
    } else if (!panEmail->isHidden()) {
        edtEmail->setFocus();
    } else {
        memMessage->setFocus();
    }
}

NoteEntry TfrmLeaveMessage::Note() const {
    const auto shown = [](const QWidget* row, const QLineEdit* edit) {
        return row->isHidden() ? std::string() : TextOf(edit);
    };
    return {shown(panFrom, edtFrom), shown(panSubject, edtSubject), shown(panEmail, edtEmail),
            memMessage->toPlainText().toStdString()};
}

void TfrmLeaveMessage::tbLeaveMessageClick() {
    const std::optional<NoteProblem> problem = CheckNote(settings_, Note());
    if (!problem) {
        accept();
        return;
    }
    dialogs_.ShowMessageBox(
        {problem->text, kLeaveNoteCaption, MessageIcon::kError, MessageButtons::kOk, true});
    if (problem->focus) FieldWidget(*problem->focus)->setFocus();
}

QWidget* TfrmLeaveMessage::FieldWidget(NoteField field) const {
    switch (field) {
        case NoteField::kFrom:
            return edtFrom;
        case NoteField::kSubject:
            return edtSubject;
        case NoteField::kEmail:
            break;
    }
    return edtEmail;
}

bool TfrmLeaveMessage::eventFilter(QObject* watched, QEvent* event) {
    if (IsEscapePress(event)) {
        reject();
        return true;
    }
    if (IsEnterPress(event) && watched == edtFrom) {
        if (!panSubject->isHidden() && !edtFrom->text().isEmpty()) edtSubject->setFocus();
        return true;
    }
    if (IsEnterPress(event) && watched == edtSubject) {
        memMessage->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ostrel
