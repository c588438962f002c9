#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/computer_list.h"
#include "console/manager_log.h"

namespace ostrel {

// The workstations' discovery port and the console's event port.
inline constexpr int kDiscoveryPort = 8777;
inline constexpr int kEventPort = 8778;
inline constexpr std::string_view kLimitedBroadcast = "255.255.255.255";

// What the console broadcasts: "/query?sendto=" + its own address.
std::string DiscoveryDatagram(std::string_view ownAddress);

// The answers of one broadcast discovery. Every answer is logged; the senders that pass the
// address check are kept once each, in the order they first answered.
class DiscoveryAnswers {
public:
    explicit DiscoveryAnswers(ManagerLog& log) : log_(log) {}

    void Receive(std::string_view text, std::string_view sender);
    const std::vector<std::string>& Found() const { return found_; }

private:
    ManagerLog& log_;
    std::vector<std::string> found_;
};

// The records whose internal address is not among the found ones, from the last to the first:
// removing them in this order keeps every later index valid.
std::vector<std::size_t> RecordsToPrune(const TComputerList& list,
                                        const std::vector<std::string>& found);

// The console log lines an event datagram from sender:port produces: a security line for
// "/se:", a power line for "/pe:", or one line for a datagram with neither.
std::vector<std::string> EventDatagramLines(std::string_view text, std::string_view sender,
                                            int port);

// How one status query ended.
enum class QueryEnd {
    kReply,           // an HTTP answer came back
    kConnectTimeout,  // no connection within the connect time-out
    kFailed,          // refused, unreachable, reset or no answer within the read time-out
};

// True when a status query brought back a status report to merge; otherwise writes the log
// lines for the failure or the strange answer.
bool CheckStatusReply(ManagerLog& log, std::string_view address, QueryEnd end,
                      std::string_view errorText, std::string_view body);

// The addresses of a range scan, first to last inclusive, as numbers; checked as the scan page
// does. `error` names the failing field.
struct ScanRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::string error;  // "Starting IP is not valid." or "Ending IP is not valid."

    // Nothing is scanned when an address failed or the last is below the first.
    std::uint64_t Count() const {
        return !error.empty() || last < first ? 0 : std::uint64_t{last} - first + 1;
    }
};
ScanRange MakeScanRange(std::string_view firstAddress, std::string_view lastAddress);

}  // namespace ostrel
