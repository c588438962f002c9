#include "workstation/remote/shutdown_flags.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace ostrel {

namespace {

constexpr int kMaxDelaySeconds = 315360000;  // ten years, as the shutdown tool allows

// Blank-separated words; a word that starts with a double quote runs to the closing one.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            words.emplace_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        const std::size_t end = text.find_first_of(" \t", i);
        words.emplace_back(text.substr(i, end == std::string_view::npos ? end : end - i));
        i = end == std::string_view::npos ? text.size() : end;
    }
    return words;
}

}  // namespace

ShutdownRequest ParseShutdownFlags(std::string_view flags) {
    ShutdownRequest request;
    const std::vector<std::string> words = Words(flags);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() != 2 || (word[0] != '-' && word[0] != '/')) continue;
        const bool hasNext = i + 1 < words.size();
        switch (std::tolower(static_cast<unsigned char>(word[1]))) {
            case 's':
                request.action = ShutdownAction::kPowerOff;
                break;
            case 'r':
                request.action = ShutdownAction::kReboot;
                break;
            case 'l':
                request.action = ShutdownAction::kLogOff;
                break;
            case 'f':
                request.force = true;
                break;
            case 't':
                if (hasNext) {
                    const std::string& number = words[++i];
                    int seconds = 0;
                    const auto [end, error] =
                        std::from_chars(number.data(), number.data() + number.size(), seconds);
                    if (error == std::errc() && end == number.data() + number.size() &&
                        seconds >= 0 && seconds <= kMaxDelaySeconds) {
                        request.delaySeconds = seconds;
                    }
                }
                break;
            case 'c':
                if (hasNext) request.comment = words[++i];
                break;
            default:
                break;
        }
    }
    return request;
}

}  // namespace ostrel
