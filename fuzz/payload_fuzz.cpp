// A broker's message, any bytes, read at a path: the reader never fails,
// and a number it finds is one a thermometer's magnitude could take and
// the log can write. The first line of the input is the path, the rest the
// payload.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "logger/degrees_text.h"
#include "logger/line_format.h"
#include "logger/payload_reader.h"

using namespace kolvar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const std::string_view path = newline == std::string_view::npos ? "" : input.substr(0, newline);
  const std::string_view payload =
      newline == std::string_view::npos ? input : input.substr(newline + 1);
  for (std::string_view at : {path, std::string_view()}) {
    const std::optional<int> value = logger::payload_millidegrees(payload, at);
    if (!value) continue;
    fuzz::require(std::abs(static_cast<long long>(*value)) <= 1000000000LL,
                  "a value under a million degrees", std::string(payload));
    const std::string text = logger::temperature_text(*value);
    fuzz::require(logger::parse_millidegrees(text) == *value, "a value written reads back", text);
  }
  return 0;
}
