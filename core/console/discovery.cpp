#include "console/discovery.h"

#include <algorithm>

#include "console/address_check.h"

namespace ostrel {

namespace {

constexpr std::size_t kMaxEventPayload = 4096;

void AddEventLine(std::vector<std::string>& lines, std::string_view text, std::string_view marker,
                  std::string_view caption, std::string_view sender, int port) {
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos) return;
    const std::string_view payload = text.substr(at + marker.size(), kMaxEventPayload);
    lines.push_back("UDP: " + std::string(caption) + ": From " + std::string(sender) + ":" +
                    std::to_string(port) + " : " + std::string(payload));
}

}  // namespace

std::string DiscoveryDatagram(std::string_view ownAddress) {
    return "/query?sendto=" + std::string(ownAddress);
}

void DiscoveryAnswers::Receive(std::string_view text, std::string_view sender) {
    log_.LogLine(std::string(text));
    log_.LogAppend(" . " + std::string(sender));
    if (sender.empty() || !IsValidAddress(sender)) return;
    if (std::find(found_.begin(), found_.end(), sender) != found_.end()) return;
    found_.emplace_back(sender);
}

std::vector<std::size_t> RecordsToPrune(const TComputerList& list,
                                        const std::vector<std::string>& found) {
    std::vector<std::size_t> prune;
    for (std::size_t i = list.Count(); i-- > 0;) {
        const std::string& address = list.At(i).internalIp;
        if (std::find(found.begin(), found.end(), address) == found.end()) prune.push_back(i);
    }
    return prune;
}

std::vector<std::string> EventDatagramLines(std::string_view text, std::string_view sender,
                                            int port) {
    std::vector<std::string> lines;
    AddEventLine(lines, text, "/se:", "Security Event", sender, port);
    AddEventLine(lines, text, "/pe:", "Power Event", sender, port);
    if (lines.empty()) lines.push_back("Unknown UDP datagram: " + std::string(text));
    return lines;
}

bool CheckStatusReply(ManagerLog& log, std::string_view address, QueryEnd end,
                      std::string_view errorText, std::string_view body) {
    const std::string suffix = " (" + std::string(address) + ")";
    switch (end) {
        case QueryEnd::kConnectTimeout:
            log.LogLine("Connection timed out" + suffix);
            return false;
        case QueryEnd::kFailed:
            log.LogLine(std::string(errorText) + suffix);
            return false;
        case QueryEnd::kReply:
            break;
    }
    if (body.find("<comput") == std::string_view::npos) {
        log.LogLine("IP address " + std::string(address) + " sent a strange response:");
        log.LogLine(std::string(body));
        return false;
    }
    return true;
}

ScanRange MakeScanRange(std::string_view firstAddress, std::string_view lastAddress) {
    ScanRange range;
    const auto first = AddressToNumber(firstAddress);
    const auto last = AddressToNumber(lastAddress);
    if (!first) {
        range.error = "Starting IP is not valid.";
    } else if (!last) {
        range.error = "Ending IP is not valid.";
    } else {
        range.first = *first;
        range.last = *last;
    }
    return range;
}

}  // namespace ostrel
