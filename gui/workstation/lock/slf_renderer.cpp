#include "workstation/lock/slf_renderer.h"

#include <QBitmap>
#include <QEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "workstation/lock/analog_clock.h"
#include "workstation/lock/qt_font_colour.h"
#include "workstation/lock/slf_bevel.h"
#include "workstation/lock/slf_label.h"

namespace ostrel {

namespace {

using Kind = SlfControlKind;

constexpr const char* kCreatedProperty = "slfCreated";
constexpr const char* kLayerProperty = "slfLayer";
// The layout's colour of a box, for when the user-name box loses the focus.
constexpr const char* kBaseColourProperty = "slfBaseColour";

// Stacking layers, from the back.
constexpr int kBevelLayer = 0;
constexpr int kPictureLayer = 1;
constexpr int kGroupLayer = 2;
constexpr int kTextLayer = 3;
constexpr int kWindowLayer = 4;

constexpr QSize kButtonSize(75, 25);

void SetColour(QWidget* widget, QPalette::ColorRole role, ColourValue colour) {
    const auto qcolour = ToQColor(colour, widget->palette());
    if (!qcolour) return;
    QPalette palette = widget->palette();
    palette.setColor(role, *qcolour);
    widget->setPalette(palette);
}

void Place(QWidget* widget, const SlfControl& control) {
    widget->setGeometry(control.left, control.top, control.width.value_or(widget->width()),
                        control.height.value_or(widget->height()));
}

void SetFont(QWidget* widget, const SlfControl& control, QPalette::ColorRole textRole) {
    if (!control.font) return;
    widget->setFont(ToQFont(*control.font));
    SetColour(widget, textRole, control.font->colour);
}

void SetMask(QLineEdit* box, const std::string& mask) {
    const QString character = ToQString(mask);
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                           .arg(character.isEmpty() ? 0 : character.front().unicode()));
    box->setEchoMode(QLineEdit::Password);
}

void ApplyBox(QLineEdit* box, const SlfControl& control) {
    Place(box, control);
    SetFont(box, control, QPalette::Text);
    SetColour(box, QPalette::Base, control.backColour);
    box->setProperty(kBaseColourProperty, box->palette().color(QPalette::Base));
    if (control.mask) SetMask(box, *control.mask);
    box->setVisible(control.visible);
}

void ApplyFlatButton(QToolButton* button, const SlfControl& control) {
    Place(button, control);
    SetFont(button, control, QPalette::ButtonText);
    SetColour(button, QPalette::Button, control.backColour);
    button->setAutoRaise(control.flat);
    button->setAutoFillBackground(!control.transparent);
    button->setText(ToQString(control.caption));
    button->setVisible(control.visible);
}

void ApplyButton(QPushButton* button, const SlfControl& control) {
    Place(button, control);
    SetFont(button, control, QPalette::ButtonText);
    SetColour(button, QPalette::Button, control.backColour);
    button->setText(ToQString(control.caption));
    button->setVisible(control.visible);
}

void ApplyClock(AnalogClock* clock, const SlfControl& control) {
    Place(clock, control);
    const QPalette& palette = clock->palette();
    const QColor hands = control.font ? ToQColor(control.font->colour, palette).value_or(Qt::green)
                                      : QColor(Qt::green);
    clock->SetColours(ToQColor(control.backColour, palette).value_or(Qt::black),
                      ToQColor(control.dotsColour, palette).value_or(Qt::darkCyan), hands);
    clock->SetShowSeconds(control.showSeconds);
    clock->SetRunning(true);
    clock->setVisible(control.visible);
}

// A picture as the file holds it; without an alpha channel and with `transparent`, the colour
// of its bottom-left pixel is left out.
std::optional<QPixmap> LoadPicture(const SlfControl& control, QString* whyNot) {
    QImageReader reader(ToQString(control.fileName));
    const QImage image = reader.read();
    if (image.isNull()) {
        *whyNot = reader.errorString();
        return std::nullopt;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (control.transparent && !image.hasAlphaChannel()) {
        const QRgb key = image.pixel(0, image.height() - 1);
        pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor)));
    }
    return pixmap;
}

}  // namespace

SlfRenderer::SlfRenderer(QWidget* surface) : QObject(surface), surface_(surface) {
    surface_->setAutoFillBackground(true);
    SetColour(surface_, QPalette::Window, kClBlack);
    FontSpec formFont;  // the lock form's own font: MS Sans Serif, lime
    formFont.size = 8;
    surface_->setFont(ToQFont(formFont));
    SetColour(surface_, QPalette::WindowText, formFont.colour);

    userName_ = MakeFixed<QLineEdit>("edtExitUsername", kWindowLayer);
    password_ = MakeFixed<QLineEdit>("edtExitPassword", kWindowLayer);
    password_->setEchoMode(QLineEdit::Password);
    for (QLineEdit* box : {userName_, password_}) {
        box->installEventFilter(this);
        box->setProperty(kBaseColourProperty, box->palette().color(QPalette::Base));
    }
    connect(password_, &QLineEdit::returnPressed, this, &SlfRenderer::okClicked);
    connect(userName_, &QLineEdit::returnPressed, password_, qOverload<>(&QWidget::setFocus));

    const auto flat = [this](const char* name, void (SlfRenderer::*signal)()) {
        auto* button = MakeFixed<QToolButton>(name, kTextLayer);
        button->resize(kButtonSize);
        connect(button, &QToolButton::clicked, this, signal);
    };
    const auto standard = [this](const char* name, void (SlfRenderer::*signal)()) {
        auto* button = MakeFixed<QPushButton>(name, kWindowLayer);
        button->resize(kButtonSize);
        connect(button, &QPushButton::clicked, this, signal);
    };
    flat("tbExitOK", &SlfRenderer::okClicked);
    standard("btnExitOK", &SlfRenderer::okClicked);
    flat("tbChangePassword", &SlfRenderer::changePasswordClicked);
    standard("btnChangePassword", &SlfRenderer::changePasswordClicked);
    flat("tbLeaveMessage", &SlfRenderer::leaveMessageClicked);
    standard("btnLeaveMessage", &SlfRenderer::leaveMessageClicked);

    messageCount_ = MakeFixed<SlfLabel>("lblMessageCount", kTextLayer);
    connect(messageCount_, &SlfLabel::clicked, this, &SlfRenderer::messageCountClicked);
    connect(messageCount_, &SlfLabel::doubleClicked, this, &SlfRenderer::messageCountDoubleClicked);
    awayMessage_ = MakeFixed<SlfLabel>("lblAwayMessage", kTextLayer);
    for (const char* name : {"lblClock1", "lblClock2", "lblOstrelUptime", "lblSystemUptime"}) {
        MakeFixed<SlfLabel>(name, kTextLayer);
    }
    clock_ = MakeFixed<AnalogClock>("jvClock", kWindowLayer);
    Restack();
}

template <typename Widget>
Widget* SlfRenderer::MakeFixed(const char* name, int layer) {
    auto* widget = new Widget(surface_);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setProperty(kLayerProperty, layer);
    widget->hide();
    return widget;
}

template <typename Widget>
Widget* SlfRenderer::MakeCreated(int layer) {
    auto* widget = new Widget(surface_);
    widget->setProperty(kCreatedProperty, true);
    widget->setProperty(kLayerProperty, layer);
    return widget;
}

QWidget* SlfRenderer::Fixed(SlfControlKind kind) const {
    return surface_->findChild<QWidget*>(QString::fromLatin1(SlfControlName(kind)),
                                         Qt::FindDirectChildrenOnly);
}

void SlfRenderer::HideAll() {
    for (QWidget* child : surface_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->hide();
    }
    clock_->SetRunning(false);
}

std::optional<std::string> SlfRenderer::Apply(const SlfControl& control) {
    switch (control.kind) {
        case Kind::kSurface:
            SetColour(surface_, QPalette::Window, control.backColour);
            break;
        case Kind::kUserNameBox:
        case Kind::kPasswordBox:
            ApplyBox(static_cast<QLineEdit*>(Fixed(control.kind)), control);
            break;
        case Kind::kLabel: {
            auto* label = MakeCreated<SlfLabel>(kTextLayer);
            label->SetWrapping(control.wordWrap);
            ApplyLabel(label, control);
            break;
        }
        case Kind::kFlatOkButton:
        case Kind::kFlatChangePasswordButton:
        case Kind::kFlatLeaveMessageButton:
            ApplyFlatButton(static_cast<QToolButton*>(Fixed(control.kind)), control);
            break;
        case Kind::kOkButton:
        case Kind::kChangePasswordButton:
        case Kind::kLeaveMessageButton:
            ApplyButton(static_cast<QPushButton*>(Fixed(control.kind)), control);
            break;
        case Kind::kMessageCountLabel:
        case Kind::kAwayMessageLabel:
        case Kind::kClockLabel1:
        case Kind::kClockLabel2:
        case Kind::kOstrelUptimeLabel:
        case Kind::kSystemUptimeLabel: {
            auto* label = static_cast<SlfLabel*>(Fixed(control.kind));
            label->SetFormat(control.format);
            ApplyLabel(label, control);
            break;
        }
        case Kind::kAnalogClock:
            ApplyClock(clock_, control);
            break;
        case Kind::kPicture:
            if (auto error = AddPicture(control)) return error;
            break;
        case Kind::kBevel: {
            auto* bevel = MakeCreated<SlfBevel>(kBevelLayer);
            Place(bevel, control);
            bevel->SetLowered(control.lowered);
            bevel->show();
            break;
        }
        case Kind::kGroupBox:
        case Kind::kPlugin: {
            auto* box = MakeCreated<QGroupBox>(kGroupLayer);
            Place(box, control);
            box->setTitle(ToQString(control.caption));
            box->setAutoFillBackground(true);
            SetColour(box, QPalette::Window, control.backColour);
            box->show();
            break;
        }
    }
    Restack();
    return std::nullopt;
}

void SlfRenderer::ApplyLabel(SlfLabel* label, const SlfControl& control) {
    Place(label, control);
    SetFont(label, control, QPalette::WindowText);
    SetColour(label, QPalette::Window, control.backColour);
    label->setAutoFillBackground(!control.transparent);
    label->SetAutoSize(false);
    label->SetCaption(ToQString(control.caption));
    label->SetAutoSize(control.autoSize);
    label->setVisible(control.visible);
}

std::optional<std::string> SlfRenderer::AddPicture(const SlfControl& control) {
    QString whyNot;
    const auto pixmap = LoadPicture(control, &whyNot);
    if (!pixmap) {
        return "the picture \"" + control.fileName + "\" cannot be loaded (" +
               whyNot.toStdString() + ")";
    }
    auto* picture = MakeCreated<QLabel>(kPictureLayer);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture->setPixmap(*pixmap);
    Place(picture, control);
    if (control.autoSize) picture->resize(pixmap->size());
    picture->show();
    return std::nullopt;
}

void SlfRenderer::Restack() {
    std::vector<QWidget*> widgets;
    for (QWidget* child : surface_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property(kLayerProperty).isValid()) widgets.push_back(child);
    }
    std::stable_sort(widgets.begin(), widgets.end(), [](QWidget* a, QWidget* b) {
        return a->property(kLayerProperty).toInt() < b->property(kLayerProperty).toInt();
    });
    for (QWidget* widget : widgets) widget->raise();
}

void SlfRenderer::UpdateClocks(const LocalDateTime& now, std::int64_t sessionUptimeSeconds,
                               std::int64_t systemUptimeSeconds) {
    for (const Kind kind : {Kind::kClockLabel1, Kind::kClockLabel2}) {
        auto* label = static_cast<SlfLabel*>(Fixed(kind));
        if (!label->isHidden()) label->ShowMoment(now);
    }
    auto* session = static_cast<SlfLabel*>(Fixed(Kind::kOstrelUptimeLabel));
    if (!session->isHidden()) session->ShowDuration(sessionUptimeSeconds);
    auto* system = static_cast<SlfLabel*>(Fixed(Kind::kSystemUptimeLabel));
    if (!system->isHidden()) system->ShowDuration(systemUptimeSeconds);
}

void SlfRenderer::FocusCredentials() {
    if (!password_->isHidden()) password_->setFocus();
    if (!userName_->isHidden()) userName_->setFocus();
}

void SlfRenderer::FreeCreatedControls() {
    const QList<QWidget*> children = surface_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        if ((*child)->property(kCreatedProperty).toBool()) delete *child;
    }
}

bool SlfRenderer::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return false;
    if (event->type() == QEvent::Enter) box->setFocus();
    if (box == userName_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, event->type() == QEvent::FocusIn
                                             ? QColor(Qt::red)
                                             : box->property(kBaseColourProperty).value<QColor>());
        box->setPalette(palette);
    }
    return false;
}

}  // namespace ostrel
