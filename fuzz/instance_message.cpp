// Reads arbitrary bytes as a line from the instance channel; a message read must write back as
// a line that reads as the same message.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "workstation/process/instance_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto message = ostrel::DecodeInstanceMessage(line);
    if (!message) return 0;
    const std::string written = ostrel::EncodeInstanceMessage(*message);
    if (written.back() != '\n' || written.size() > ostrel::kInstanceMessageLineLimit + 1) {
        std::abort();
    }
    if (ostrel::DecodeInstanceMessage(std::string_view(written).substr(0, written.size() - 1)) !=
        message) {
        std::abort();
    }
    return 0;
}
