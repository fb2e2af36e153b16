#include "logger/payload_reader.h"

#include <nlohmann/json.hpp>
#include <string>

#include "logger/degrees_text.h"

namespace kolvar::logger {

namespace {

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::optional<int> payload_millidegrees(std::string_view payload, std::string_view path) {
  if (payload.size() > kLongestPayload) return std::nullopt;
  if (path.empty()) return parse_millidegrees(trimmed(payload));

  // Without exceptions: a payload that is not JSON is a discarded value.
  const nlohmann::json document = nlohmann::json::parse(payload, nullptr, false);
  if (document.is_discarded()) return std::nullopt;
  // A board set to Fahrenheit says so beside its readings; its 80 would
  // pass for a hot cooler and its 68 for a warm one, so it gives nothing.
  if (document.is_object()) {
    const auto unit = document.find("TempUnit");
    if (unit != document.end() &&
        !(unit->is_string() && unit->get_ref<const std::string&>() == "C"))
      return std::nullopt;
  }
  const nlohmann::json* at = &document;
  while (true) {
    const std::size_t dot = path.find('.');
    const std::string key(path.substr(0, dot));
    if (!at->is_object()) return std::nullopt;
    const auto found = at->find(key);
    if (found == at->end()) return std::nullopt;
    at = &*found;
    if (dot == std::string_view::npos) break;
    path.remove_prefix(dot + 1);
  }
  if (at->is_number()) return millidegrees_of(at->get<double>());
  if (at->is_string()) return parse_millidegrees(trimmed(at->get_ref<const std::string&>()));
  return std::nullopt;
}

}  // namespace kolvar::logger
