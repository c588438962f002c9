#include "workstation/process/instance_messages.h"

#include <charconv>

namespace ostrel {

namespace {

// One number of the line, starting at `text`; advances past it.
bool TakeNumber(std::string_view& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

bool TakeSpace(std::string_view& text) {
    if (text.empty() || text.front() != ' ') return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::string EncodeInstanceMessage(const InstanceMessage& message) {
    return std::to_string(message.message) + " " + std::to_string(message.wParam) + " " +
           std::to_string(message.lParam) + "\n";
}

std::optional<InstanceMessage> DecodeInstanceMessage(std::string_view line) {
    InstanceMessage message;
    if (line.size() > kInstanceMessageLineLimit || !TakeNumber(line, message.message) ||
        !TakeSpace(line) || !TakeNumber(line, message.wParam) || !TakeSpace(line) ||
        !TakeNumber(line, message.lParam) || !line.empty()) {
        return std::nullopt;
    }
    return message;
}

}  // namespace ostrel
