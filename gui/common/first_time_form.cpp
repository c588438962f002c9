#include "common/first_time_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/form_helpers.h"
#include "common/master_password.h"
#include "common/modal_result.h"

namespace ostrel {
namespace {

constexpr const char* kIntroduction =
    "This is the first time using Ostrel. Please enter a master password to use for configuring "
    "Ostrel.  Do not forget it!\r\n\r\n"
    "In single-user mode, this administrative password alone will unlock and administer "
    "Ostrel.\r\n\r\n"
    "In multi-user mode, this password will be associated with the username 'administrator'";

bool IsEnterRelease(const QEvent* event) {
    if (event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return !key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
}

}  // namespace

TfrmFirstTime::TfrmFirstTime(OstrelSettingsStore& settings, UserList& users, Dialogs& dialogs,
                             QWidget* mainForm)
    : QDialog(mainForm, Qt::Dialog | Qt::WindowStaysOnTopHint),
      lblText(new QLabel(QString::fromLatin1(kIntroduction), this)),
      edtPassword(new QLineEdit(this)),
      edtConfirm(new QLineEdit(this)),
      btnOK(new QPushButton(QStringLiteral("&OK"), this)),
      btnExit(new QPushButton(QStringLiteral("E&xit"), this)),
      settings_(settings),
      users_(users),
      dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Ostrel Master Password"));
    lblText->setWordWrap(true);
    lblText->setTextFormat(Qt::PlainText);
    edtPassword->setEchoMode(QLineEdit::Password);
    edtConfirm->setEchoMode(QLineEdit::Password);
    btnOK->setDefault(true);
    btnOK->setEnabled(false);

    auto* boxes = new QFormLayout;
    boxes->addRow(QStringLiteral("&Password:"), edtPassword);
    boxes->addRow(QStringLiteral("&Confirm:"), edtConfirm);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    setFixedWidth(380);
    edtPassword->setFocus();

    const auto updateOk = [this] {
        btnOK->setEnabled(FirstTimeOkEnabled(TextOf(edtPassword), TextOf(edtConfirm)));
    };
    connect(edtPassword, &QLineEdit::textChanged, this, updateOk);
    connect(edtConfirm, &QLineEdit::textChanged, this, updateOk);
    connect(btnOK, &QPushButton::clicked, this, &TfrmFirstTime::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmFirstTime::reject);
    edtPassword->installEventFilter(this);
    edtConfirm->installEventFilter(this);
}

bool TfrmFirstTime::eventFilter(QObject* watched, QEvent* event) {
    // Acts on the release, after a press that an enabled OK button has already taken.
    if (IsEnterRelease(event) && isVisible()) {
        if (watched == edtPassword && FirstTimeEnterLeavesPassword(TextOf(edtPassword))) {
            edtConfirm->setFocus();
        } else if (watched == edtConfirm) {
            btnOKClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmFirstTime::reject() {
    done(kModalAbort);
}

void TfrmFirstTime::btnOKClick() {
    switch (SetFirstMasterPassword(settings_, users_, dialogs_, TextOf(edtPassword),
                                   TextOf(edtConfirm))) {
        case PasswordOutcome::kSaved:
            done(kModalOk);
            break;
        case PasswordOutcome::kMismatch:
            edtPassword->clear();
            edtConfirm->clear();
            edtPassword->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace ostrel
