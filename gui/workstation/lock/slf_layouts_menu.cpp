#include "workstation/lock/slf_layouts_menu.h"

#include <QAction>
#include <QMenu>

#include "workstation/lock/qt_font_colour.h"

namespace ostrel {

void LayoutsIntoMenu(QMenu& menu, const std::vector<LayoutMenuEntry>& entries,
                     const std::function<void(const std::string&)>& choose) {
    for (const LayoutMenuEntry& entry : entries) {
        if (entry.separator) {
            menu.addSeparator();
            continue;
        }
        QAction* item = menu.addAction(ToQString(entry.caption));
        const QString path = QString::fromStdString(entry.path);
        item->setStatusTip(path);
        item->setToolTip(path);
        item->setData(path);
        item->setCheckable(true);
        QObject::connect(item, &QAction::triggered, &menu,
                         [choose, file = entry.path] { choose(file); });
    }
}

void TickLayoutItem(QMenu& menu, const std::string& layoutFile) {
    const QString path = QString::fromStdString(layoutFile);
    for (QAction* item : menu.actions()) {
        if (item->isCheckable()) item->setChecked(item->data().toString() == path);
    }
}

}  // namespace ostrel
