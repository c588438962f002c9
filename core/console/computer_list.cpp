#include "console/computer_list.h"

#include <array>

#include "console/manager_log.h"

namespace ostrel {

namespace {

constexpr std::size_t kLongText = 255;

const std::array<ComputerField, 14> kFields = {{
    {"computername", kLongText, &TComputer::computerName},
    {"internalip", 15, &TComputer::internalIp},
    {"mac", 18, &TComputer::mac},
    {"status", kLongText, &TComputer::status},
    {"currentuser", kLongText, &TComputer::currentUser},
    {"idletime", kLongText, &TComputer::idleTime},
    {"uptime", kLongText, &TComputer::upTime},
    {"group", kLongText, &TComputer::group},
    {"ostrelversion", kLongText, &TComputer::version},
    {"comments", kLongText, &TComputer::comments},
    {"masterip", kLongText, &TComputer::masterIp},
    {"layout", kLongText, &TComputer::layout},
    {"rdp", 3, &TComputer::rdp},
    {"locktime", kLongText, &TComputer::lockTime},
}};

std::string Bounded(std::string text, std::size_t bound) {
    if (text.size() > bound) text.resize(bound);
    return text;
}

}  // namespace

std::span<const ComputerField> ComputerFields() {
    return kFields;
}

std::string TagValue(std::string_view text, std::string_view tag) {
    const std::string start = "<" + std::string(tag) + ">";
    const std::size_t at = text.find(start);
    if (at == std::string_view::npos) return std::string(text);
    std::string_view rest = text.substr(at + start.size());
    return std::string(rest.substr(0, rest.find("</" + std::string(tag) + ">")));
}

std::optional<std::size_t> TComputerList::IndexOfName(std::string_view name) const {
    const auto found = byName_.find(std::string(name));
    if (found == byName_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::size_t> TComputerList::IndexOfReport(std::string_view report) const {
    return IndexOfName(Bounded(TagValue(report, "computername"), kLongText));
}

std::size_t TComputerList::MergeStatusReport(std::string_view report) {
    const std::size_t index = IndexOfReport(report).value_or(computers_.size());
    if (index == computers_.size()) computers_.emplace_back();
    TComputer& target = computers_[index];
    for (const ComputerField& field : kFields) {
        target.*field.member = Bounded(TagValue(report, field.tag), field.bound);
    }
    byName_.emplace(target.computerName, index);
    return index;
}

int TComputerList::ComputerGetIndex(std::string_view name, ManagerLog& log) const {
    log.LogShort("ComputerGetIndex:" + std::string(name));
    for (std::size_t i = computers_.size(); i-- > 0;) {
        if (computers_[i].computerName == name) {
            log.LogShort("ComputerGetIndex: Found: " + std::to_string(i));
            return static_cast<int>(i);
        }
    }
    log.LogShort("ComputerGetIndex: NOT Found: -1");
    return -1;
}

void TComputerList::RemoveAt(std::size_t index) {
    byName_.erase(computers_.at(index).computerName);
    computers_.erase(computers_.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& [name, position] : byName_) {
        if (position > index) --position;
    }
}

void TComputerList::Clear() {
    computers_.clear();
    byName_.clear();
}

void TComputerList::RebuildNameIndex() {
    byName_.clear();
    for (std::size_t i = 0; i < computers_.size(); ++i)
        byName_.emplace(computers_[i].computerName, i);
}

}  // namespace ostrel
