#include "common/date_format.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace ostrel {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::string_view kAmText = "AM";
constexpr std::string_view kPmText = "PM";

enum class Field {
    kLiteral,
    kDay,
    kMonth,
    kMinute,
    kYear,
    kHour,
    kSecond,
    kMillisecond,
    kAmPm,        // text before noon, afternoon after
    kAmPmLocale,  // kAmText / kPmText
};

struct Token {
    Field field = Field::kLiteral;
    std::size_t count = 0;  // length of the letter run
    std::string text;
    std::string afternoon;
};

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Upper(text[i]) != Upper(prefix[i])) return false;
    }
    return true;
}

std::size_t RunLength(std::string_view text) {
    std::size_t length = 1;
    while (length < text.size() && text[length] == text[0]) ++length;
    return length;
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view format) : rest_(format) {}

    std::vector<Token> Run() {
        while (!rest_.empty()) {
            const char c = rest_.front();
            if (c == '\'' || c == '"') {
                Quoted(c);
            } else if (const char letter = Upper(c); letter >= 'A' && letter <= 'Z') {
                Letter(letter);
            } else {
                Literal(Take(1));
            }
        }
        return std::move(tokens_);
    }

private:
    std::string_view Take(std::size_t count) {
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(taken.size());
        return taken;
    }

    void Literal(std::string_view text) {
        if (tokens_.empty() || tokens_.back().field != Field::kLiteral) tokens_.emplace_back();
        tokens_.back().text += text;
    }

    // An unclosed quote runs to the end of the format.
    void Quoted(char quote) {
        const std::size_t close = rest_.find(quote, 1);
        const std::size_t end = close == std::string_view::npos ? rest_.size() : close;
        Literal(rest_.substr(1, end - 1));
        Take(close == std::string_view::npos ? end : close + 1);
    }

    void Letter(char letter) {
        const char previous = lastLetter_;
        lastLetter_ = letter;
        if (letter == 'A') return AmPm();
        const std::size_t count = RunLength(rest_);
        const std::string_view run = Take(count);
        switch (letter) {
            case 'D':
                return Add(Field::kDay, count);
            case 'M':
                return Add(previous == 'H' ? Field::kMinute : Field::kMonth, count);
            case 'N':
                return Add(Field::kMinute, count);
            case 'Y':
                return Add(Field::kYear, count);
            case 'H':
                return Add(Field::kHour, count);
            case 'S':
                return Add(Field::kSecond, count);
            case 'Z':
                return Add(Field::kMillisecond, count);
            default:
                return Literal(run);
        }
    }

    void AmPm() {
        if (StartsWithNoCase(rest_, "am/pm")) {
            const std::string_view written = Take(5);
            tokens_.push_back({Field::kAmPm, 0, std::string(written.substr(0, 2)),
                               std::string(written.substr(3, 2))});
        } else if (StartsWithNoCase(rest_, "a/p")) {
            const std::string_view written = Take(3);
            tokens_.push_back({Field::kAmPm, 0, std::string(written.substr(0, 1)),
                               std::string(written.substr(2, 1))});
        } else if (StartsWithNoCase(rest_, "ampm")) {
            Take(4);
            tokens_.push_back({Field::kAmPmLocale, 0, {}, {}});
        } else {
            Literal(Take(1));
        }
    }

    void Add(Field field, std::size_t count) { tokens_.push_back({field, count, {}, {}}); }

    std::string_view rest_;
    char lastLetter_ = 0;
    std::vector<Token> tokens_;
};

std::string Number(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string_view MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)] : "";
}

std::string_view DayName(const LocalDateTime& moment) {
    using namespace std::chrono;
    const year_month_day date{year(moment.year), month(static_cast<unsigned>(moment.month)),
                              day(static_cast<unsigned>(moment.day))};
    if (!date.ok()) return "";
    return kDayNames[weekday(sys_days(date)).c_encoding()];
}

std::string Name(std::string_view name, std::size_t count) {
    return std::string(count == 3 ? name.substr(0, 3) : name);
}

// One or two digits for a run of one letter and of two or more.
std::string Short(int value, std::size_t count) {
    return Number(value, count == 1 ? 1 : 2);
}

int DisplayHour(int hour, bool twelveHour) {
    if (!twelveHour) return hour;
    return hour % 12 == 0 ? 12 : hour % 12;
}

std::string Render(const Token& token, const LocalDateTime& moment, bool twelveHour) {
    switch (token.field) {
        case Field::kLiteral:
            return token.text;
        case Field::kDay:
            if (token.count <= 2) return Short(moment.day, token.count);
            return Name(DayName(moment), token.count);
        case Field::kMonth:
            if (token.count <= 2) return Short(moment.month, token.count);
            return Name(MonthName(moment.month), token.count);
        case Field::kMinute:
            return Short(moment.minute, token.count);
        case Field::kYear:
            return token.count <= 2 ? Number(moment.year % 100, 2) : Number(moment.year, 4);
        case Field::kHour:
            return Short(DisplayHour(moment.hour, twelveHour), token.count);
        case Field::kSecond:
            return Short(moment.second, token.count);
        case Field::kMillisecond:
            return Number(moment.millisecond, token.count == 1 ? 1 : 3);
        case Field::kAmPm:
            return moment.hour < 12 ? token.text : token.afternoon;
        case Field::kAmPmLocale:
            return std::string(moment.hour < 12 ? kAmText : kPmText);
    }
    return {};
}

// Reads between minDigits and maxDigits decimal digits.
std::optional<int> ReadNumber(std::string_view& text, int minDigits, int maxDigits) {
    int value = 0;
    int read = 0;
    while (read < maxDigits && read < static_cast<int>(text.size()) && text[read] >= '0' &&
           text[read] <= '9') {
        value = value * 10 + (text[read] - '0');
        ++read;
    }
    if (read < minDigits) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(read));
    return value;
}

bool ReadSeparator(std::string_view& text, char separator) {
    if (text.empty() || text.front() != separator) return false;
    text.remove_prefix(1);
    return true;
}

std::optional<LocalDateTime> MakeDate(int year, int month, int day) {
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    return LocalDateTime{year, month, day, 0, 0, 0, 0};
}

std::optional<LocalDateTime> ParseUsDate(std::string_view text) {
    const auto month = ReadNumber(text, 1, 2);
    if (!month || !ReadSeparator(text, '/')) return std::nullopt;
    const auto day = ReadNumber(text, 1, 2);
    if (!day || !ReadSeparator(text, '/')) return std::nullopt;
    const auto year = ReadNumber(text, 4, 4);
    if (!year || !text.empty()) return std::nullopt;
    return MakeDate(*year, *month, *day);
}

std::optional<LocalDateTime> ParseIsoDate(std::string_view text) {
    const auto year = ReadNumber(text, 4, 4);
    if (!year || !ReadSeparator(text, '-')) return std::nullopt;
    const auto month = ReadNumber(text, 2, 2);
    if (!month || !ReadSeparator(text, '-')) return std::nullopt;
    const auto day = ReadNumber(text, 2, 2);
    if (!day || !text.empty()) return std::nullopt;
    return MakeDate(*year, *month, *day);
}

}  // namespace

std::string FormatDateTime(std::string_view format, const LocalDateTime& moment) {
    const std::vector<Token> tokens = Tokenizer(format).Run();
    const bool twelveHour = std::any_of(tokens.begin(), tokens.end(), [](const Token& token) {
        return token.field == Field::kAmPm || token.field == Field::kAmPmLocale;
    });
    std::string text;
    for (const Token& token : tokens) text += Render(token, moment, twelveHour);
    return text;
}

std::string FormatLongTime(const LocalDateTime& moment) {
    return FormatDateTime(kLongTimeFormat, moment);
}

std::string FormatShortDate(const LocalDateTime& moment) {
    return FormatDateTime(kShortDateFormat, moment);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::optional<LocalDateTime> ParseShortDate(std::string_view text) {
    if (auto date = ParseUsDate(text)) return date;
    return ParseIsoDate(text);
}

}  // namespace ostrel
