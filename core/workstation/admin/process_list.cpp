#include "workstation/admin/process_list.h"

#include <algorithm>

namespace ostrel {

namespace {

constexpr std::string_view kNoProcessId = "0";

// At most `limit` bytes of the text, never ending inside a UTF-8 character.
std::string CutAtCharacter(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

}  // namespace

void TProcessList::Refresh(const ProcessSnapshot& snapshot) {
    items_.clear();
    for (const ProcessEntry& entry : snapshot.Processes()) {
        items_.push_back(
            {entry.processId, CutAtCharacter(entry.exeFile, kMaxExecutableLength), ""});
    }
}

std::string ProcessNamesText(const TProcessList& list) {
    std::string text;
    for (const TProcessObject& process : list.Items()) text += process.executable + '\r';
    return text;
}

std::string FindProcessId(const TProcessList& list, std::string_view name, EventLog& log) {
    const std::string wanted = AsciiLower(name);
    for (const TProcessObject& process : list.Items()) {
        if (log.DebugEnabled()) log.DebugLog(process.executable + " <> " + std::string(name));
        if (AsciiLower(process.executable) == wanted) return std::to_string(process.processId);
    }
    return std::string(kNoProcessId);
}

}  // namespace ostrel
