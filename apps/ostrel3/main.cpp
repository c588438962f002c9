#include <QApplication>

#include "workstation/agent_environment.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Ostrel 3");

    ostrel::AgentEnvironment environment;
    environment.CreateFolders();
    std::string arguments;
    for (int i = 1; i < argc; ++i) arguments += argv[i];
    environment.Log().EntryLog("");
    environment.Log().EntryLog("dpr: start! : " + arguments);
    environment.LoadSettings();
    environment.Log().EntryLog("Starting Ostrel");
    return 0;
}
