#include "linux/media_autorun_setting.h"

#include <QProcess>

namespace ostrel {

namespace {

constexpr const char* kSchema = "org.gnome.desktop.media-handling";
constexpr int kRunTimeoutMs = 3000;
constexpr int kRemovableDrives = 0x04;
// The Windows default mask, which keeps removable drives from auto-running.
constexpr int kWindowsDefaultMask = 0x95;

// Runs gsettings with the arguments; its output, or nothing when it failed.
std::optional<QByteArray> RunGsettings(const QStringList& arguments) {
    QProcess gsettings;
    gsettings.start("gsettings", arguments);
    if (!gsettings.waitForFinished(kRunTimeoutMs)) {
        gsettings.kill();
        gsettings.waitForFinished();
        return std::nullopt;
    }
    if (gsettings.exitStatus() != QProcess::NormalExit || gsettings.exitCode() != 0) {
        return std::nullopt;
    }
    return gsettings.readAllStandardOutput().trimmed();
}

}  // namespace

std::optional<bool> MediaAutorunSetting::Get(const char* key) const {
    const auto output = RunGsettings({"get", kSchema, key});
    if (!output || (*output != "true" && *output != "false")) return std::nullopt;
    return *output == "true";
}

bool MediaAutorunSetting::Set(const char* key, bool value) {
    return RunGsettings({"set", kSchema, key, value ? "true" : "false"}).has_value();
}

int GlobalAutoRunFromAutomountOpen(bool automountOpen) {
    return automountOpen ? kWindowsDefaultMask & ~kRemovableDrives : kWindowsDefaultMask;
}

bool AutomountOpenFromGlobalAutoRun(int noDriveTypeAutoRun) {
    return (noDriveTypeAutoRun & kRemovableDrives) == 0;
}

}  // namespace ostrel
