#pragma once
// Text as a URL carries it: "%41" for 'A'. One reading for every place that
// takes such text (a query of the web page, the user and password of a broker).
#include <optional>
#include <string>
#include <string_view>

namespace kolvar::platform {

// `text` with each "%XY" (two hex digits, either case) made the byte it stands
// for. None when a '%' is not followed by two hex digits: nobody encoded that
// text, and passing it on as it stands would read one secret two ways.
std::optional<std::string> percent_decoded(std::string_view text);

}  // namespace kolvar::platform
