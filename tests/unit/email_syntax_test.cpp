#include "workstation/messages/email_syntax.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrel {
namespace {

struct EmailCase {
    std::string text;
    bool valid;
};

class IsValidEmailTest : public testing::TestWithParam<EmailCase> {};

TEST_P(IsValidEmailTest, ReadsTheAddress) {
    EXPECT_EQ(IsValidEmail(GetParam().text), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsValidEmailTest,
    testing::Values(
        EmailCase{"ann@example.org", true}, EmailCase{"ann.lee@mail.example.org", true},
        EmailCase{"a-b_c+d!#$%&'*=?^`{|}~@x.y", true}, EmailCase{"ann@a1.b2-c3", true},
        EmailCase{"ann@a--b.org", true}, EmailCase{"\"ann lee\"@example.org", true},
        EmailCase{"\"a\\\"b\"@example.org", true},
        EmailCase{"\"a\\\rb\"@example.org", true},  // an escaped CR is a quoted character
        EmailCase{"\"ann\".lee@example.org", true}, EmailCase{"ann.\"lee\"@example.org", true},
        EmailCase{"\xe9t\xe9@example.org", true},  // 8-bit ANSI letters are atom characters
        // what the address lacks
        EmailCase{"", false}, EmailCase{"ann", false}, EmailCase{"ann@", false},
        EmailCase{"@example.org", false}, EmailCase{"ann@localhost", false},  // one label
        EmailCase{"ann@example.", false}, EmailCase{"ann@example.org.", false},
        // domain labels
        EmailCase{"ann@-example.org", false}, EmailCase{"ann@1example.org", false},
        EmailCase{"ann@example.9org", false}, EmailCase{"ann@example-.org", false},
        EmailCase{"ann@example..org", false}, EmailCase{"ann@exa_mple.org", false},
        EmailCase{"ann@example.org-", false}, EmailCase{"ann@b@example.org", false},
        // local part
        EmailCase{"ann..lee@example.org", false}, EmailCase{".ann@example.org", false},
        EmailCase{"ann.@example.org", false}, EmailCase{"ann lee@example.org", false},
        EmailCase{"ann\x7f@example.org", false}, EmailCase{"a(b)@example.org", false},
        EmailCase{"\"ann\"lee@example.org", false},
        EmailCase{"\"an\rn\"@example.org", false},  // CR inside quotes
        EmailCase{"\"ann@example.org", false},      // quote never closed
        EmailCase{"ann@exam ple.org", false}));

}  // namespace
}  // namespace ostrel
