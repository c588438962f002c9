#include "common/unlock_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "common/authorization.h"
#include "common/form_helpers.h"
#include "common/modal_result.h"

namespace ostrel {
namespace {

constexpr int kPictureSize = 48;
constexpr int kPromptLeft = 64;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 28;
constexpr int kBottomMargin = 12;

}  // namespace

UnlockDialog::UnlockDialog(Qt::WindowFlags flags, int buttonsTop)
    : QDialog(nullptr, flags | Qt::WindowStaysOnTopHint),
      lblText(new QLabel(QStringLiteral("Enter your Ostrel password to continue"), this)),
      btnOK(new QPushButton(this)),
      btnCancel(new QPushButton(this)) {
    setWindowTitle(QStringLiteral("Unlock Ostrel"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kPictureSize));
    picture->setGeometry(8, 8, kPictureSize, kPictureSize);

    QFont bold = lblText->font();
    bold.setBold(true);
    lblText->setFont(bold);
    lblText->setTextFormat(Qt::PlainText);
    lblText->move(kPromptLeft, 12);
    lblText->adjustSize();

    btnOK->setDefault(true);
    btnOK->setEnabled(false);
    btnOK->resize(kButtonWidth, kButtonHeight);
    btnCancel->resize(kButtonWidth, kButtonHeight);
    PlaceButtons(kMinimumWidth, buttonsTop);
    connect(btnCancel, &QPushButton::clicked, this, &UnlockDialog::reject);
    resize(kMinimumWidth, buttonsTop + kButtonHeight + kBottomMargin);
}

void UnlockDialog::SetAction(const std::string& action) {
    action_ = action;
    lblText->setText(PlainCaption(UnlockPromptText(action)));
    lblText->adjustSize();
}

void UnlockDialog::showEvent(QShowEvent* event) {
    const int promptRight = lblText->x() + lblText->width();
    const int width = std::max(kMinimumWidth, promptRight + kPromptMargin);
    setFixedSize(width, height());
    PlaceButtons(width, btnOK->y());
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

void UnlockDialog::PlaceButtons(int width, int top) {
    btnOK->move(width - 2 * kButtonWidth - 14, top);
    btnCancel->move(width - kButtonWidth - 8, top);
}

void UnlockDialog::reject() {
    done(kModalCancel);
}

}  // namespace ostrel
