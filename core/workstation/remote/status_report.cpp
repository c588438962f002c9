#include "workstation/remote/status_report.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "common/text_helpers.h"

namespace ostrel {

namespace {

std::string Element(std::string_view tag, std::string_view value) {
    std::string element;
    element.append("<").append(tag).append(">").append(value);
    element.append("</").append(tag).append(">");
    return element;
}

std::optional<std::string> DashedMac(const std::string& address) {
    const std::vector<std::string> pairs = SplitText(address, ":");
    if (pairs.size() != 6) return std::nullopt;
    std::string text;
    bool allZero = true;
    for (const std::string& pair : pairs) {
        if (pair.size() != 2 || !std::isxdigit(static_cast<unsigned char>(pair[0])) ||
            !std::isxdigit(static_cast<unsigned char>(pair[1]))) {
            return std::nullopt;
        }
        if (pair != "00") allZero = false;
        if (!text.empty()) text += '-';
        for (const char c : pair)
            text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (allZero) return std::nullopt;
    return text;
}

}  // namespace

std::string StatusReport(const StatusFacts& facts) {
    const std::pair<std::string_view, std::string> elements[] = {
        {"computername", facts.computerName},
        {"internalip", facts.internalIp},
        {"mac", facts.mac},
        {"group", facts.group},
        {"status", facts.status},
        {"idletime", std::to_string(facts.idleSeconds)},
        {"uptime", std::to_string(facts.uptimeSeconds)},
        {"currentuser", facts.currentUser},
        {"ostrelversion", facts.version},
        {"comments", "comment"},
        {"masterip", facts.masterIp},
        {"layout", facts.layoutFile},
        {"rdp", facts.remoteSession ? "-1" : "0"},
        {"locktime", std::to_string(facts.lockSeconds)},
    };
    std::string report;
    for (const auto& [tag, value] : elements) {
        if (!report.empty()) report += '\r';
        report += Element(tag, value);
    }
    return report;
}

std::string StatusWord(bool unlocking, bool lockScreenUp) {
    if (unlocking) return "Unlocking";
    return lockScreenUp ? "Locked" : "Unlocked";
}

std::string MacAddressText(const std::vector<NetworkAdapter>& adapters) {
    std::vector<const NetworkAdapter*> ordered;
    for (const NetworkAdapter& adapter : adapters) ordered.push_back(&adapter);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto* a, const auto* b) { return a->index < b->index; });
    for (const NetworkAdapter* adapter : ordered) {
        if (adapter->loopback) continue;
        if (std::optional<std::string> text = DashedMac(adapter->address)) return *text;
    }
    return std::string(kMacNotFound);
}

}  // namespace ostrel
