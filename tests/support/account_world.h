#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/event_log.h"
#include "common/permissions.h"
#include "common/settings_store.h"
#include "common/user_list.h"
#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/recording_dialogs.h"

namespace ostrel {

// A program folder with settings and a user list in memory, and a log whose daily file the test
// reads back.
class AccountWorld {
public:
    static constexpr const char* kProgramFolder = "/prog/";
    static constexpr const char* kDataFolder = "/data/";
    static constexpr const char* kConfigFolder = "/config/";
    static constexpr const char* kDailyLog = "/data/Logs/Dec-09-09.txt";
    static constexpr const char* kRegistryPath = "/config/ostrel/registry.ini";
    static constexpr const char* kSettingsIni = "/prog/settings.ini";

    AccountWorld() {
        files.AddDirectories("/prog");
        files.AddDirectories("/data");
        PrepareRegistryStoreFolder(files, kConfigFolder);
    }

    void Change(const std::function<void(TOstrelSettings&)>& change) { settings.Modify(change); }

    // One account of each level: administrator/secret (Admin), alice/alicepw (Unlock),
    // carl/carlpw (None).
    void AddAccountOfEachLevel() {
        users.AddAccount("administrator", "secret", kPermissionAdmin);
        users.AddAccount("alice", "alicepw", kPermissionUnlock);
        users.AddAccount("carl", "carlpw", kPermissionNone);
    }

    // The texts of the daily log's lines, without their time stamps.
    std::vector<std::string> LogLines() const {
        return StampedTexts(files.ReadFile(kDailyLog).value_or(""));
    }
    std::vector<std::string> ConsoleLines() const {
        return StampedTexts(log.ControllerConsoleText());
    }

    FakeFileSystem files;
    FakeClock clock;
    EventLog log{files, clock, kDataFolder, kProgramFolder};
    RecordingDialogs dialogs;
    OstrelSettingsStore settings{
        files, log, dialogs, {kProgramFolder, "/savers/", "10.0.0.5"}, kConfigFolder};
    UserList users{files, std::string(kProgramFolder) + "userlist.dat"};

private:
    // The texts of the "[time] text" lines; other lines (headers, titles) are left out.
    static std::vector<std::string> StampedTexts(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) end = text.size();
            const std::string line = text.substr(start, end - start);
            const std::size_t stamp = line.find("] ");
            if (line.starts_with('[') && stamp != std::string::npos) {
                lines.push_back(line.substr(stamp + 2));
            }
            start = end + 2;
        }
        return lines;
    }
};

}  // namespace ostrel
