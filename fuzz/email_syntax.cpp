// Reads arbitrary bytes as an e-mail address: an address found valid has a domain of letters,
// digits, hyphens and periods, at least two labels, each beginning with a letter and ending with
// a letter or digit.
#include "workstation/messages/email_syntax.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsLetterOrDigit(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9');
}

bool IsDomain(std::string_view domain) {
    int labels = 0;
    std::size_t start = 0;
    while (start <= domain.size()) {
        std::size_t end = domain.find('.', start);
        if (end == std::string_view::npos) end = domain.size();
        const std::string_view label = domain.substr(start, end - start);
        if (label.empty() || !IsLetter(label.front()) || !IsLetterOrDigit(label.back())) {
            return false;
        }
        for (const char c : label) {
            if (!IsLetterOrDigit(c) && c != '-') return false;
        }
        ++labels;
        start = end + 1;
    }
    return labels >= 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!ostrel::IsValidEmail(text)) return 0;
    const std::size_t at = text.rfind('@');
    if (at == std::string_view::npos || at == 0 || !IsDomain(text.substr(at + 1))) std::abort();
    return 0;
}
