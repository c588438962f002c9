#include "common/text_helpers.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace ostrel {

namespace {

using ByteTable = std::array<unsigned char, 256>;

constexpr ByteTable MakeUpperCaseTable() {
    ByteTable table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const bool lower = i >= 'a' && i <= 'z';
        table[i] = static_cast<unsigned char>(lower ? i - 'a' + 'A' : i);
    }
    return table;
}

// ASCII only: bytes of 0x80 and above are parts of UTF-8 characters and must not change.
constexpr ByteTable kUpperCase = MakeUpperCaseTable();

struct SameByte {
    unsigned char operator()(unsigned char byte) const { return byte; }
};

struct UpperCaseByte {
    unsigned char operator()(unsigned char byte) const { return kUpperCase[byte]; }
};

// Appends to a buffer that grows by half its size whenever it is full.
void AppendGrowing(std::string& buffer, std::string_view piece) {
    const std::size_t needed = buffer.size() + piece.size();
    if (needed > buffer.capacity()) {
        buffer.reserve(std::max(needed, buffer.capacity() + buffer.capacity() / 2));
    }
    buffer.append(piece);
}

// Boyer-Moore-Horspool search; `fold` maps each byte to the form it is compared in.
template <typename Fold>
std::string Replace(std::string_view text, std::string_view find, std::string_view replacement,
                    Fold fold) {
    const std::size_t length = find.size();
    if (length == 0 || text.size() < length) return std::string(text);

    std::string pattern(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        pattern[i] = static_cast<char>(fold(static_cast<unsigned char>(find[i])));
    }
    const auto* wanted = reinterpret_cast<const unsigned char*>(pattern.data());
    const unsigned char wantedLast = wanted[length - 1];

    // Skip per folded byte: the distance from its last position in the search text (the last
    // byte left out) to the end; bytes that do not occur skip the whole length.
    std::array<std::size_t, 256> skip;
    skip.fill(length);
    for (std::size_t i = 0; i + 1 < length; ++i) skip[wanted[i]] = length - 1 - i;
    // The same per text byte as it stands, with 0 for bytes equal to the last search byte: one
    // lookup per step while scanning.
    std::array<std::size_t, 256> shift;
    for (std::size_t byte = 0; byte < shift.size(); ++byte) {
        const unsigned char folded = fold(static_cast<unsigned char>(byte));
        shift[byte] = folded == wantedLast ? 0 : skip[folded];
    }

    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t lastStart = text.size() - length;
    std::string result;
    std::size_t copied = 0;
    std::size_t pos = 0;
    while (pos <= lastStart) {
        const std::size_t step = shift[bytes[pos + length - 1]];
        if (step != 0) {
            pos += step;
            continue;
        }
        std::size_t i = 0;
        while (i + 1 < length && fold(bytes[pos + i]) == wanted[i]) ++i;
        if (i + 1 < length) {
            pos += skip[wantedLast];
            continue;
        }
        if (copied == 0) result.reserve(text.size());
        AppendGrowing(result, text.substr(copied, pos - copied));
        AppendGrowing(result, replacement);
        pos += length;
        copied = pos;
    }
    if (copied == 0) return std::string(text);
    AppendGrowing(result, text.substr(copied));
    return result;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
    const auto upper = [](char c) { return kUpperCase[static_cast<unsigned char>(c)]; };
    return std::ranges::equal(a, b, {}, upper, upper);
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    return Replace(text, find, replacement, UpperCaseByte{});
}

std::string ReplaceAllExact(std::string_view text, std::string_view find,
                            std::string_view replacement) {
    return Replace(text, find, replacement, SameByte{});
}

std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker) {
    std::size_t begin = 0;
    if (!startMarker.empty()) {
        const std::size_t at = text.find(startMarker);
        if (at == std::string_view::npos) return std::string(text);
        begin = at + startMarker.size();
    }
    std::string_view rest = text.substr(begin);
    if (!endMarker.empty()) rest = rest.substr(0, rest.find(endMarker));
    return std::string(rest);
}

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
    if (separator.empty()) return {std::string(text)};
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        pieces.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

std::vector<std::string> TextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string PadLeft6(std::string_view text) {
    constexpr std::size_t kWidth = 6;
    const auto characters = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char byte) { return (byte & 0xC0) != 0x80; }));
    if (characters >= kWidth) return std::string(text);
    return std::string(kWidth - characters, ' ').append(text);
}

namespace {

// Every byte up to the first NUL that `keep` accepts stays, a blank becomes "+" when `blankAsPlus`,
// every other byte becomes "%" and two upper-case hexadecimal digits.
template <typename Keep>
std::string EncodeBytes(std::string_view text, Keep keep, bool blankAsPlus) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\0') break;
        if (blankAsPlus && byte == ' ') {
            encoded += '+';
        } else if (keep(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHexDigits[byte >> 4];
            encoded += kHexDigits[byte & 0x0F];
        }
    }
    return encoded;
}

bool IsAsciiLetter(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

}  // namespace

std::string FormEncode(std::string_view text) {
    return EncodeBytes(
        text,
        [](unsigned char byte) {
            return IsAsciiLetter(byte) || byte == '*' || byte == '-' || byte == '.' ||
                   byte == '@' || byte == '_';
        },
        true);
}

std::string PercentEncode(std::string_view text) {
    return EncodeBytes(
        text,
        [](unsigned char byte) {
            return IsAsciiLetter(byte) || (byte >= '0' && byte <= '9') || byte == '-' ||
                   byte == '.' || byte == '_' || byte == '~';
        },
        false);
}

std::string FileUrl(std::string_view path) {
    std::string url = "file:///";
    url.append(path.substr(path.starts_with('/') || path.starts_with('\\') ? 1 : 0));
    std::replace(url.begin(), url.end(), '\\', '/');
    return url;
}

std::string FileTitle(std::string_view path) {
    constexpr std::size_t kExtensionLength = 4;
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, name.size() - std::min(name.size(), kExtensionLength)));
}

std::string LowerCaseAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace ostrel
