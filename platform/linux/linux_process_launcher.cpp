#include "linux/linux_process_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace ostrel {

int LinuxProcessLauncher::Start(const std::string& program,
                                const std::vector<std::string>& arguments) {
    const QString path = QString::fromStdString(program);
    const QFileInfo info(path);
    if (!info.isFile()) return kLaunchFileNotFound;
    if (!info.isExecutable()) return kLaunchAccessDenied;
    QStringList list;
    for (const std::string& argument : arguments) list << QString::fromStdString(argument);
    return QProcess::startDetached(info.absoluteFilePath(), list) ? kLaunchStarted
                                                                  : kLaunchBadFormat;
}

}  // namespace ostrel
