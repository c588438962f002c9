#include "workstation/messages/email_syntax.h"

#include <string_view>

namespace ostrel {

namespace {

enum class State {
    kBegin,
    kAtom,
    kQuotedText,
    kQuotedChar,
    kQuote,
    kLocalPeriod,
    kExpectingSubdomain,
    kSubdomain,
    kHyphen,
};

bool IsAtomChar(unsigned char c) {
    constexpr std::string_view kSpecials = "\"(),./:;<>@[\\]";
    return c >= 33 && c != 127 && kSpecials.find(static_cast<char>(c)) == std::string_view::npos;
}

bool IsLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsLetterOrDigit(unsigned char c) {
    return IsLetter(c) || (c >= '0' && c <= '9');
}

}  // namespace

bool IsValidEmail(std::string_view text) {
    State state = State::kBegin;
    int labels = 1;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (state) {
            case State::kBegin:
            case State::kLocalPeriod:
                if (IsAtomChar(c)) {
                    state = State::kAtom;
                } else if (c == '"') {
                    state = State::kQuotedText;
                } else {
                    return false;
                }
                break;
            case State::kAtom:
                if (c == '@') {
                    state = State::kExpectingSubdomain;
                } else if (c == '.') {
                    state = State::kLocalPeriod;
                } else if (!IsAtomChar(c)) {
                    return false;
                }
                break;
            case State::kQuotedText:
                if (c == '\r') return false;
                if (c == '"') {
                    state = State::kQuote;
                } else if (c == '\\') {
                    state = State::kQuotedChar;
                }
                break;
            case State::kQuotedChar:
                state = State::kQuotedText;
                break;
            case State::kQuote:
                if (c == '@') {
                    state = State::kExpectingSubdomain;
                } else if (c == '.') {
                    state = State::kLocalPeriod;
                } else {
                    return false;
                }
                break;
            case State::kExpectingSubdomain:
                if (!IsLetter(c)) return false;
                state = State::kSubdomain;
                break;
            case State::kSubdomain:
                if (c == '-') {
                    state = State::kHyphen;
                } else if (c == '.') {
                    state = State::kExpectingSubdomain;
                    ++labels;
                } else if (!IsLetterOrDigit(c)) {
                    return false;
                }
                break;
            case State::kHyphen:
                if (IsLetterOrDigit(c)) {
                    state = State::kSubdomain;
                } else if (c != '-') {
                    return false;
                }
                break;
        }
    }
    return state == State::kSubdomain && labels >= 2;
}

}  // namespace ostrel
