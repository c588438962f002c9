#include "console/console_settings.h"

namespace ostrel {

namespace {

constexpr int kMinTimeoutMs = 10;
constexpr int kMaxTimeoutMs = 15000;

int ReadTimeout(const IniFile& store, std::string_view key, int defaultValue) {
    const int value = store.ReadInteger(kConsoleSettingsSection, key, defaultValue);
    return value >= kMinTimeoutMs && value <= kMaxTimeoutMs ? value : defaultValue;
}

}  // namespace

ConsoleSettings LoadConsoleSettings(const IniFile& store) {
    ConsoleSettings settings;
    settings.scanTimeoutMs = ReadTimeout(store, "scantimeout", settings.scanTimeoutMs);
    settings.udpTimeoutMs = ReadTimeout(store, "udptimeout", settings.udpTimeoutMs);
    settings.httpTimeoutMs = ReadTimeout(store, "httptimeout", settings.httpTimeoutMs);
    settings.hideUpdate =
        store.ReadBool(kConsoleSettingsSection, "hideupdate", settings.hideUpdate);
    return settings;
}

}  // namespace ostrel
