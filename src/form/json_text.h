#pragma once
// JSON string literals as the scenario runner prints and reads them: UTF-8
// kept as it is; only the quote, the backslash and control characters escaped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar::form {

std::string json_quote(std::string_view text);

// A number as JSON writes it (up to ten significant digits); null for one
// that is not finite, which JSON cannot hold.
std::string json_number(double value);

// ["a","b"]: each text quoted as above.
std::string json_string_array(const std::vector<std::string>& texts);

// The text of a JSON string literal that makes up the whole of `literal`;
// nullopt when it is not one.
std::optional<std::string> json_unquote(std::string_view literal);

}  // namespace kolvar::form
