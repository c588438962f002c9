#include "common/shortcut_text.h"

#include <array>
#include <cctype>
#include <string>

namespace ostrel {

namespace {

struct NamedKey {
    const char* name;
    int virtualKey;
};

constexpr std::array kNamedKeys = {
    NamedKey{"BkSp", 0x08},  NamedKey{"Tab", 0x09},   NamedKey{"Enter", 0x0D},
    NamedKey{"Esc", 0x1B},   NamedKey{"Space", 0x20}, NamedKey{"PgUp", 0x21},
    NamedKey{"PgDn", 0x22},  NamedKey{"End", 0x23},   NamedKey{"Home", 0x24},
    NamedKey{"Left", 0x25},  NamedKey{"Up", 0x26},    NamedKey{"Right", 0x27},
    NamedKey{"Down", 0x28},  NamedKey{"Ins", 0x2D},   NamedKey{"Del", 0x2E},
};

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int KeyCode(std::string_view name) {
    if (name.size() == 1) {
        const auto c = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    }
    for (const NamedKey& key : kNamedKeys) {
        if (SameText(name, key.name)) return key.virtualKey;
    }
    if (name.size() >= 2 && name.size() <= 3 && (name[0] == 'F' || name[0] == 'f')) {
        int number = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return 0;
            number = number * 10 + (c - '0');
        }
        if (number >= 1 && number <= 24) return 0x70 + number - 1;
    }
    return 0;
}

}  // namespace

ShortCut ParseShortCut(std::string_view text) {
    ShortCut shortCut;
    for (;;) {
        const auto plus = text.find('+');
        if (plus == std::string_view::npos) break;
        const std::string_view modifier = text.substr(0, plus);
        if (SameText(modifier, "Ctrl")) {
            shortCut.ctrl = true;
        } else if (SameText(modifier, "Alt")) {
            shortCut.alt = true;
        } else if (SameText(modifier, "Shift")) {
            shortCut.shift = true;
        } else {
            return {};
        }
        text.remove_prefix(plus + 1);
    }
    shortCut.virtualKey = KeyCode(text);
    return shortCut.virtualKey == 0 ? ShortCut{} : shortCut;
}

}  // namespace ostrel
