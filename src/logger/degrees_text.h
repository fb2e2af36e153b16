#pragma once
// A temperature as a board or a broker writes it: "23.5", "-0.0625", "85",
// "+21.00". Millidegrees are what the log is made of.
#include <optional>
#include <string_view>

namespace kolvar::logger {

// A plain decimal number (an optional sign, digits, an optional point and
// digits; no exponent, no blanks) in millidegrees, rounded half away from
// zero at the fourth decimal; none for anything else or for a magnitude of
// a million degrees or more, which no thermometer gives.
std::optional<int> parse_millidegrees(std::string_view text);

// A number a JSON document held, the same way.
std::optional<int> millidegrees_of(double degrees);

}  // namespace kolvar::logger
