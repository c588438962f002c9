#include "workstation/messages/messages_form.h"

#include <QAbstractListModel>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListView>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "common/form_helpers.h"

namespace ostrel {

namespace {

// The list's entries, made when drawn: "Message 1" up to the count the reader opened with.
class MessageEntries : public QAbstractListModel {
public:
    MessageEntries(int count, QObject* parent) : QAbstractListModel(parent), count_(count) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return QString("Message %1").arg(index.row() + 1);
    }

private:
    const int count_;
};

}  // namespace

TfrmMessages::TfrmMessages(const TMessageList& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), messages_(messages) {
    setObjectName("frmMessages");
    setWindowTitle("Messages");
    setFixedSize(560, 360);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    // The buttons show their captions without the "&"; Alt and the marked letter presses them.
    const auto button = [bar](const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setShortcut(QKeySequence::mnemonic(caption));
        return action;
    };
    tbFirst = button("&First");
    tbPrevious = button("&Previous");
    tbNext = button("&Next");
    tbLast = button("&Last");
    bar->addSeparator();
    tbClose = button("&Close");
    layout->addWidget(bar);

    auto* panes = new QHBoxLayout;
    msgLv = new QListView(this);
    msgLv->setObjectName("msgLv");
    msgLv->setModel(new MessageEntries(messages.Count(), msgLv));
    msgLv->setSelectionMode(QAbstractItemView::SingleSelection);
    msgLv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msgLv->setUniformItemSizes(true);
    msgLv->setFixedWidth(140);
    msgLv->setStyleSheet(
        "QListView { background: rgb(40, 40, 40); color: white; font: 8pt \"Arial\"; }");
    panes->addWidget(msgLv);
    memMessage = new QPlainTextEdit(this);
    memMessage->setObjectName("memMessage");
    memMessage->setReadOnly(true);
    memMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panes->addWidget(memMessage, 1);
    layout->addLayout(panes, 1);

    connect(tbFirst, &QAction::triggered, this, [this] { Select(0); });
    connect(tbPrevious, &QAction::triggered, this, [this] {
        if (Selected() > 0) Select(Selected() - 1);
    });
    connect(tbNext, &QAction::triggered, this, [this] {
        if (Selected() < messages_.Count() - 1) Select(Selected() + 1);
    });
    connect(tbLast, &QAction::triggered, this, [this] { Select(messages_.Count() - 1); });
    connect(tbClose, &QAction::triggered, this, &QDialog::reject);
    connect(msgLv, &QListView::clicked, this, [this] { ShowSelected(); });

    Select(0);
    CentreOnScreen(this);
}

int TfrmMessages::Selected() const {
    const QModelIndexList selected = msgLv->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TfrmMessages::Select(int index) {
    const QModelIndex entry = msgLv->model()->index(index, 0);
    if (!entry.isValid()) return;
    msgLv->setCurrentIndex(entry);
    msgLv->scrollTo(entry);
    ShowSelected();
}

void TfrmMessages::ShowSelected() {
    const int selected = Selected();
    if (selected < 0) return;
    const QString text = QString::fromStdString(MessageReaderText(messages_.At(selected)));
    memMessage->setPlainText(QString(text).replace("\r\n", "\n"));
}

}  // namespace ostrel
