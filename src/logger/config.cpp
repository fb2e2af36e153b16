#include "logger/config.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <system_error>
#include <type_traits>
#include <vector>

#include "logger/usage_error.h"
#include "platform/files/read_only_file.h"

namespace kolvar::logger {

namespace fs = std::filesystem;

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// A '#' at the start of a line or after a blank starts a comment; one
// within a word belongs to it (the path of a topic's column, TOPIC#PATH).
std::size_t comment_start(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '#' && (i == 0 || is_blank(text[i - 1]))) return i;
  }
  return std::string_view::npos;
}

// The first word of text, and the trimmed rest after it.
std::pair<std::string_view, std::string_view> first_word(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && !is_blank(text[end])) ++end;
  return {text.substr(0, end), trimmed(text.substr(end))};
}

// A sensor id names a folder directly under the sysfs root, nothing else.
bool valid_id(std::string_view id) {
  return !id.empty() && id.front() != '.' && id.find('/') == std::string_view::npos &&
         id.find_first_of(" \t") == std::string_view::npos;
}

class Parser {
 public:
  explicit Parser(const fs::path& file) : file_(file) {}

  void line(std::string_view text) {
    ++number_;
    text = trimmed(text.substr(0, comment_start(text)));
    if (text.empty()) return;
    const auto [key, rest] = first_word(text);
    if (key.size() == 1 && key[0] >= '1' && key[0] <= '0' + kColumns) {
      column(key[0] - '0', rest);
    } else if (key == "log") {
      log(rest);
    } else if (key == "interval") {
      interval(rest);
    } else if (key == "timeout") {
      timeout(rest);
    } else if (key == "serial") {
      serial(rest);
    } else if (key == "mqtt") {
      mqtt(rest);
    } else if (key == "column") {
      topic(rest);
    } else {
      fail("unknown setting '" + std::string(key) +
           "' (expected a column 1 to 5 and a sensor id, 'log PATH', 'interval SECONDS', "
           "'timeout SECONDS', 'serial DEVICE[,BAUD]', 'mqtt URL' or 'column N=TOPIC[#PATH]')");
    }
  }

  Config finish() {
    if (!config_.names_a_source()) {
      throw UsageError(file_.string() +
                       ": no sensor columns (write lines like '1 28-0000075a1b2c')");
    }
    return config_;
  }

 private:
  void column(int k, std::string_view id) {
    if (!valid_id(id)) fail("column " + std::to_string(k) + " needs one sensor id");
    std::string& slot = config_.sensor[k - 1];
    if (!slot.empty() || taken_[k - 1]) fail("column " + std::to_string(k) + " is given twice");
    if (!ids_.insert(std::string(id)).second) {
      fail("sensor " + std::string(id) + " is given for two columns");
    }
    slot = id;
    taken_[k - 1] = true;
  }

  void timeout(std::string_view seconds) {
    if (config_.timeout_seconds) fail("'timeout' is given twice");
    config_.timeout_seconds = parse_timeout(seconds);
    if (!config_.timeout_seconds) {
      fail("'timeout' needs whole seconds from 1 to " + std::to_string(kMaxTimeoutSeconds));
    }
  }

  void serial(std::string_view setting) {
    if (config_.serial) fail("'serial' is given twice");
    config_.serial = parse("'serial'", [&] { return parse_serial_setting(setting); });
  }

  void mqtt(std::string_view url) {
    if (config_.mqtt) fail("'mqtt' is given twice");
    try {
      config_.mqtt = platform::parse_mqtt(url);
    } catch (const std::invalid_argument& e) {
      // The parser speaks of the option; here it is the file's line.
      std::string what = e.what();
      if (what.starts_with("--mqtt")) what.replace(0, 6, "'mqtt'");
      fail(what);
    }
  }

  void topic(std::string_view setting) {
    const TopicColumn mapping = parse("'column'", [&] { return parse_topic_column(setting); });
    // Several columns may read one topic (a device that publishes all its
    // sensors in one message), but a column reads one thing.
    if (taken_[mapping.column - 1]) {
      fail("column " + std::to_string(mapping.column) + " is given twice");
    }
    taken_[mapping.column - 1] = true;
    config_.topics.push_back(mapping);
  }

  template <typename Parse>
  std::invoke_result_t<Parse> parse(const char* what, Parse parse) const {
    try {
      return parse();
    } catch (const UsageError& e) {
      fail(std::string(what) + ": " + e.what());
    }
  }

  void log(std::string_view path) {
    if (path.empty()) fail("'log' needs a file path");
    if (config_.log) fail("'log' is given twice");
    config_.log = file_.parent_path() / fs::path(path);
  }

  void interval(std::string_view seconds) {
    if (config_.interval_seconds) fail("'interval' is given twice");
    config_.interval_seconds = parse_interval(seconds);
    if (!config_.interval_seconds) {
      fail("'interval' needs whole seconds from 1 to " + std::to_string(kMaxIntervalSeconds));
    }
  }

  [[noreturn]] void fail(const std::string& what) const {
    throw UsageError(file_.string() + " line " + std::to_string(number_) + ": " + what);
  }

  fs::path file_;
  int number_ = 0;
  Config config_;
  std::set<std::string> ids_;
  std::array<bool, kColumns> taken_{};
};

}  // namespace

bool Config::names_a_source() const {
  const bool sensors =
      std::any_of(sensor.begin(), sensor.end(), [](const std::string& id) { return !id.empty(); });
  return sensors || serial || mqtt || !topics.empty();
}

Config parse_config(std::string_view text, const fs::path& file) {
  Parser parser(file);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    parser.line(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parser.finish();
}

Config read_config(const fs::path& file) {
  // A few lines a sensor: anything near this is not a configuration, and a
  // FIFO or a link to a device must not hang or fill the logger.
  constexpr std::uint64_t kMostBytes = 64U * 1024U;
  std::string text;
  try {
    text = platform::read_small_file(file, kMostBytes);
  } catch (const std::system_error& e) {
    throw UsageError("cannot read the configuration " + file.string() + ": " +
                     platform::small_file_refusal(e, kMostBytes));
  }
  return parse_config(text, file);
}

std::optional<int> parse_interval(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  if (value < 1 || value > kMaxIntervalSeconds) return std::nullopt;
  return value;
}

}  // namespace kolvar::logger
