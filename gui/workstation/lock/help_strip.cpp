#include "workstation/lock/help_strip.h"

#include <QHBoxLayout>
#include <QLabel>

namespace ostrel {

namespace {

constexpr int kRightGap = 17;

}  // namespace

THelpStrip::THelpStrip(QWidget* parent) : QWidget(parent) {
    setObjectName("panExitHelp");
    setAutoFillBackground(true);
    setStyleSheet(
        "#panExitHelp { background: #202838; border: 1px solid #5a6a8a; }"
        "QLabel { color: white; padding: 4px 8px; }"
        "QLabel a { color: #9fd0ff; }");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    const auto addLink = [this, row](const char* name, const QString& text, auto signal) {
        auto* link = new QLabel(QString("<a href=\"#\">%1</a>").arg(text), this);
        link->setObjectName(name);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(link, &QLabel::linkActivated, this, signal);
        row->addWidget(link);
    };
    addLink("lnkHelpBack", "Go Back", &THelpStrip::goBack);
    addLink("lnkHelpContents", "Contents", &THelpStrip::contents);
    addLink("lnkExitHelp", "Exit Help", &THelpStrip::exitHelp);
    adjustSize();
    hide();
}

void THelpStrip::ShowAt(const QRect& form, int barHeight) {
    adjustSize();
    move(form.width() - width() - kRightGap, form.height() - barHeight - height());
    show();
    raise();
}

}  // namespace ostrel
