#pragma once
// The textual forms of the settings file's values: numbers and check marks.
// Text values need no form; a line is the text itself.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolvar::settings {

// " 880 ": one blank before and one after. A negative value puts its minus
// sign where the leading blank would be ("-5 "), as files of older editions
// did; no saved setting is negative, so this only keeps the form total.
std::string format_number(int value);

// The line's whole number, blanks (spaces, tabs) around it ignored, with an
// optional sign. Anything else, a fraction ("880.5"), an exponent ("8.8E2")
// or a value outside the 16-bit range does not convert.
std::optional<std::int16_t> parse_number(std::string_view line);

// "True" or "False".
std::string format_mark(bool checked);

// "True" or "False" in any letter case, or a whole number of any length
// (0 is false, any other value true); blanks around it ignored. Anything
// else, a fraction included, does not convert.
std::optional<bool> parse_mark(std::string_view line);

}  // namespace kolvar::settings
