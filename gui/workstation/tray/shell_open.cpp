#include "workstation/tray/shell_open.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace ostrel {

bool ShellOpen(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const bool address = text.contains("://") || text.startsWith("mailto:");
    return QDesktopServices::openUrl(address ? QUrl(text) : QUrl::fromLocalFile(text));
}

bool RunScript(const std::string& script, const std::string& workingFolder) {
    return QProcess::startDetached("/bin/sh", {QString::fromStdString(script)},
                                   QString::fromStdString(workingFolder));
}

}  // namespace ostrel
