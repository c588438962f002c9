// Feeds outside bytes to everything the console reads from the network: an HTTP answer with its
// status report, layout list, log days and user list, and an event datagram. Merged records
// keep their field bounds and the same report finds its record again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "console/computer_list.h"
#include "console/discovery.h"
#include "console/remote_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto reply = ostrel::ParseCommandReply(text);
    const std::string body = reply ? reply->body : text;
    if (reply) {
        (void)ostrel::ReplyText(*reply);
        (void)ostrel::CommandDone("query", *reply);
    }
    (void)ostrel::LayoutListLines(body);
    (void)ostrel::UserListRows(body);
    for (const int day : ostrel::LogListDays(body)) {
        if (day < 1 || day > 31) std::abort();
    }

    ostrel::TComputerList list;
    const std::size_t index = list.MergeStatusReport(body);
    const ostrel::TComputer& computer = list.At(index);
    for (const ostrel::ComputerField& field : ostrel::ComputerFields()) {
        if ((computer.*field.member).size() > field.bound) std::abort();
    }
    if (list.MergeStatusReport(body) != index || list.Count() != 1) std::abort();

    const auto lines = ostrel::EventDatagramLines(text, "10.0.0.1", 8778);
    if (lines.empty() || lines.size() > 2) std::abort();
    return 0;
}
