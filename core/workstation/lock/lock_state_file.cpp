#include "workstation/lock/lock_state_file.h"

#include "common/ini_document.h"
#include "common/ini_file.h"
#include "workstation/lock/lock_session_parts.h"

namespace ostrel {

namespace {

constexpr const char* kSection = "Lock";

int IntegerOr(const IniDocument& document, const char* key, int fallback) {
    const std::optional<std::string> text = document.Value(kSection, key);
    if (!text) return fallback;
    return ParseProfileInteger(*text).value_or(fallback);
}

}  // namespace

std::optional<LockedSessionRecord> LockStateFile::Read() const {
    const std::optional<std::string> text = files_.ReadFile(path_);
    if (!text) return std::nullopt;
    const IniDocument document = IniDocument::Parse(*text);
    // A file cut short or written by someone else counts as locked: the lock fails closed.
    if (IntegerOr(document, "Locked", 1) == 0) return std::nullopt;
    LockedSessionRecord record;
    record.globalAutoRun = IntegerOr(document, "NoDriveTypeAutoRun", kGlobalAutoRunAbsent);
    record.disableAutoPlay = IntegerOr(document, "DisableAutoplay", kDisableAutoPlayAbsent);
    record.networkSuspended = IntegerOr(document, "NetworkSuspended", 0) != 0;
    return record;
}

bool LockStateFile::Write(const LockedSessionRecord& record) {
    IniDocument document;
    document.SetValue(kSection, "Locked", "1");
    document.SetValue(kSection, "NoDriveTypeAutoRun", std::to_string(record.globalAutoRun));
    document.SetValue(kSection, "DisableAutoplay", std::to_string(record.disableAutoPlay));
    document.SetValue(kSection, "NetworkSuspended", record.networkSuspended ? "1" : "0");
    return files_.WriteFileAtomic(path_, document.Serialize());
}

void LockStateFile::Clear() {
    files_.DeleteFile(path_);
}

}  // namespace ostrel
