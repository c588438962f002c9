#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// Every occurrence of `find` in `text` replaced by `replacement`, scanning left to right and going
// on after each replacement (a replacement is never searched again). ASCII letters match without
// regard to case; bytes of 0x80 and above match only themselves, so UTF-8 text stays intact.
// An empty `find` leaves the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);
// The same with an exact, case-sensitive comparison.
std::string ReplaceAllExact(std::string_view text, std::string_view find,
                            std::string_view replacement);

// Whether two texts are equal when ASCII letters are compared without regard to case.
bool SameText(std::string_view a, std::string_view b);

// When the start marker occurs (case-sensitive) or is empty: the text after its first occurrence,
// cut before the first following occurrence of the end marker. A start marker that does not occur
// gives the whole text; an end marker that is empty or does not occur cuts nothing.
std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker);

// The text cut at every separator; empty pieces are kept, so a text ending with the separator
// gives an empty last piece and an empty text gives one empty piece. An empty separator gives the
// whole text as the only piece.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

// The text starts with the prefix, ASCII letters compared without regard to case.
bool StartsWithText(std::string_view text, std::string_view prefix);
// The text cut at every CR LF, CR or LF; a final line end gives no empty last line.
std::vector<std::string> TextLines(std::string_view text);
// The text with blanks in front up to six characters (UTF-8 characters are counted, not bytes).
std::string PadLeft6(std::string_view text);

// Form encoding up to the first NUL: a blank becomes "+", the bytes "*-.@_" and ASCII letters
// stay, every other byte becomes "%" and two upper-case hexadecimal digits.
std::string FormEncode(std::string_view text);
// Percent encoding up to the first NUL: letters, digits and "-._~" stay, every other byte
// (blanks included) becomes "%" and two upper-case hexadecimal digits. A decoder that turns "+"
// into a blank and splits at "&" reads the text back unchanged, line breaks included.
std::string PercentEncode(std::string_view text);

// "file:///" followed by the path with every "\" turned into "/"; the leading "/" of an absolute
// path is not doubled, so "/home/x" gives "file:///home/x".
std::string FileUrl(std::string_view path);

// The file-name part of the path ("/" and "\" both separate folders) without its last four
// characters, that is without a three-letter extension and its dot.
std::string FileTitle(std::string_view path);

// The text with the letters A to Z made lower case; other bytes stay.
std::string LowerCaseAscii(std::string_view text);

}  // namespace ostrel
