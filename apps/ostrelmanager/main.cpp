#include <QCoreApplication>
#include <QTextStream>
#include <string>
#include <vector>

#include "console/manager_cli.h"
#include "console/manager_command_line.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ostrel::ParsedInvocation parsed = ostrel::ParseManagerArguments(arguments);
    if (!parsed.error.empty()) {
        QTextStream(stderr) << "ostrelmanager: " << QString::fromStdString(parsed.error)
                            << "\nTry ostrelmanager --help." << Qt::endl;
        return ostrel::kExitUsage;
    }
    if (parsed.invocation.help) {
        QTextStream(stdout) << QString::fromStdString(std::string(ostrel::ManagerHelpText()));
        return ostrel::kExitDone;
    }
    if (parsed.invocation.command.empty()) {
        QTextStream(stderr) << "Ostrel Manager: the window is not built yet; use a command "
                               "(ostrelmanager --help)."
                            << Qt::endl;
        return ostrel::kExitUsage;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Ostrel Manager");
    return ostrel::RunManagerCommand(parsed.invocation);
}
