#pragma once

#include <string_view>

namespace ostrel {

// Whether the text is a syntactically valid e-mail address: a local part of atoms joined by
// periods (an atom may be quoted text with backslash escapes), "@", and a domain of at least two
// labels, each starting with a letter and made of letters, digits and inner hyphens.
bool IsValidEmail(std::string_view text);

}  // namespace ostrel
