#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

namespace ostrel {

// The about box: product, version, build, how long the program and the system have run, and
// links to the text files of the program folder.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    TfrmAbout(std::int64_t programUptimeSeconds, const std::string& programFolder,
              QWidget* parent = nullptr);
};

// Seconds since the system started, from /proc/uptime; 0 when it cannot be read.
std::int64_t SystemUptimeSeconds();

}  // namespace ostrel
