#include "linux/linux_script_runner.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ostrel {

bool RunShellScript(const std::string& path, bool hidden) {
    const QString script = QString::fromStdString(path);
    QProcess process;
    process.setWorkingDirectory(QFileInfo(script).absolutePath());
    const QString terminal =
        hidden ? QString() : QStandardPaths::findExecutable("x-terminal-emulator");
    if (terminal.isEmpty()) {
        process.setProgram("/bin/sh");
        process.setArguments({script});
    } else {
        process.setProgram(terminal);
        process.setArguments({"-e", "/bin/sh", script});
    }
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

}  // namespace ostrel
