#include "linux/linux_process_snapshot.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>

namespace ostrel {

namespace {

namespace fs = std::filesystem;

// What the kernel appends to the "exe" link of a process whose executable was deleted.
constexpr std::string_view kDeletedMark = " (deleted)";

// Fields of /proc/[pid]/stat, counted from 1, the command name in brackets being field 2.
constexpr std::size_t kParentIdField = 4;
constexpr std::size_t kThreadCountField = 20;
constexpr std::size_t kFirstFieldAfterName = 3;

struct StatFields {
    std::string commandName;
    std::uint32_t parentProcessId = 0;
    std::uint32_t threadCount = 0;
};

std::optional<std::uint32_t> ParseNumber(std::string_view text) {
    std::uint32_t value = 0;
    if (text.empty()) return {};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return in.bad() ? std::nullopt : std::optional(text.str());
}

// The command name may hold blanks and brackets itself, so it runs to the last ")".
std::optional<StatFields> ParseStat(const std::string& stat) {
    const std::size_t open = stat.find('(');
    const std::size_t close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    StatFields fields;
    fields.commandName = stat.substr(open + 1, close - open - 1);
    std::istringstream rest(stat.substr(close + 1));
    std::string field;
    for (std::size_t number = kFirstFieldAfterName; rest >> field; ++number) {
        if (number == kParentIdField) fields.parentProcessId = ParseNumber(field).value_or(0);
        if (number == kThreadCountField) {
            fields.threadCount = ParseNumber(field).value_or(0);
            return fields;
        }
    }
    return {};
}

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The executable's path from the "exe" link; empty when the link cannot be read.
std::string ExecutablePath(const fs::path& processFolder) {
    std::error_code error;
    std::string path = fs::read_symlink(processFolder / "exe", error).string();
    if (error) return {};
    if (path.ends_with(kDeletedMark)) path.resize(path.size() - kDeletedMark.size());
    return path;
}

// The file name of the first command-line word when it extends the command name; a process
// that renamed itself ("sshd: user@pts/0") or a login shell ("-bash") gives the command name.
std::string NameFromCommandLine(const fs::path& processFolder, const std::string& commandName) {
    std::ifstream in(processFolder / "cmdline", std::ios::binary);
    std::string firstWord;
    std::getline(in, firstWord, '\0');
    const std::string name = FileNameOf(firstWord);
    return !name.empty() && name.starts_with(commandName) ? name : commandName;
}

std::optional<ProcessEntry> ReadProcess(const fs::path& processFolder, std::uint32_t processId) {
    const std::optional<std::string> stat = ReadFile(processFolder / "stat");
    if (!stat) return {};
    const std::optional<StatFields> fields = ParseStat(*stat);
    if (!fields) return {};
    ProcessEntry entry;
    entry.processId = processId;
    entry.parentProcessId = fields->parentProcessId;
    entry.threadCount = fields->threadCount;
    entry.fullPath = ExecutablePath(processFolder);
    entry.exeFile = entry.fullPath.empty() ? NameFromCommandLine(processFolder, fields->commandName)
                                           : FileNameOf(entry.fullPath);
    return entry;
}

}  // namespace

LinuxProcessSnapshot::LinuxProcessSnapshot(std::string procFolder)
    : procFolder_(std::move(procFolder)) {}

std::vector<ProcessEntry> LinuxProcessSnapshot::Processes() const {
    std::vector<ProcessEntry> processes;
    std::error_code error;
    for (fs::directory_iterator it(procFolder_, error), end; !error && it != end;
         it.increment(error)) {
        const std::optional<std::uint32_t> processId = ParseNumber(it->path().filename().string());
        if (!processId) continue;
        if (std::optional<ProcessEntry> entry = ReadProcess(it->path(), *processId)) {
            processes.push_back(std::move(*entry));
        }
    }
    if (error) return {};
    std::sort(processes.begin(), processes.end(), [](const ProcessEntry& a, const ProcessEntry& b) {
        return a.processId < b.processId;
    });
    return processes;
}

}  // namespace ostrel
