#include <QApplication>
#include <QTextStream>

#include "common/ini_file.h"
#include "common/settings_store.h"
#include "linux/linux_file_system.h"
#include "linux/linux_system_info.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Ostrel Manager");

    ostrel::LinuxFileSystem files;
    const ostrel::LinuxSystemInfo system;
    const ostrel::IniFile registry(files, ostrel::RegistryStorePath(system.ConfigFolder()));
    const std::string agent = registry.ReadString("Ostrel 3.0\\General", "sAppLocation", "");
    QTextStream(stdout) << "Ostrel Manager: workstation program "
                        << (agent.empty() ? QString("not recorded") : QString::fromStdString(agent))
                        << Qt::endl;
    return 0;
}
