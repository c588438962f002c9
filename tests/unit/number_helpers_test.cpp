#include "common/number_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace ostrel {
namespace {

TEST(NumberHelpers, FormatDuration) {
    const std::pair<std::int64_t, std::string> cases[] = {
        {0, "0 sec"},
        {59, "59 sec"},
        {60, "1 min 0 sec"},
        {61, "1 min 1 sec"},
        {3599, "59 min 59 sec"},
        {3600, "1 hrs 0 min 0 sec"},
        {3661, "1 hrs 1 min 1 sec"},
        {86399, "23 hrs 59 min 59 sec"},
        {86400, "1 days 0 hrs 0 min 0 sec"},
        {90061, "1 days 1 hrs 1 min 1 sec"},
        {86400 + 59, "1 days 0 hrs 0 min 59 sec"},
        {400LL * 86400 + 7200, "400 days 2 hrs 0 min 0 sec"},
        {-5, "0 sec"},
        {std::numeric_limits<std::int64_t>::min(), "0 sec"},
    };
    for (const auto& [seconds, expected] : cases) {
        EXPECT_EQ(FormatDuration(seconds), expected) << seconds;
    }
}

TEST(NumberHelpers, FormatCount) {
    const std::pair<std::int64_t, std::string> cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {65536, "65,536"},
        {100000, "100,000"},
        {1234567, "1,234,567"},
        {-999, "-999"},
        {-1000, "-1,000"},
        {std::numeric_limits<std::int64_t>::max(), "9,223,372,036,854,775,807"},
        {std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808"},
    };
    for (const auto& [n, expected] : cases) EXPECT_EQ(FormatCount(n), expected) << n;
}

}  // namespace
}  // namespace ostrel
