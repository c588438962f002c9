// Prints the session's system idle time in milliseconds, as the agent's idle detector reads it.
#include <QCoreApplication>
#include <cstdio>

#include "workstation/process/idle_detector_host.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ostrel::IdleDetectorHost host(
        [](const std::string& trace) { std::fprintf(stderr, "%s\n", trace.c_str()); });
    std::printf("%u\n", host.Detector().SystemIdleTime());
    return 0;
}
