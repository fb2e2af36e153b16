#include "logger/options.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "logger/config.h"
#include "logger/usage_error.h"

namespace kolvar::logger {

namespace {

class Arguments {
 public:
  explicit Arguments(const std::vector<std::string>& args) : args_(args) {}

  bool done() const { return next_ == args_.size(); }

  // The next option's name; its value, when written with '=', is kept for value().
  std::string option() {
    std::string arg = args_[next_++];
    inline_value_.reset();
    const std::size_t equals = arg.find('=');
    if (arg.starts_with("--") && equals != std::string::npos) {
      inline_value_ = arg.substr(equals + 1);
      arg.resize(equals);
    }
    return arg;
  }

  std::string value(const std::string& name) {
    if (inline_value_) return *std::exchange(inline_value_, std::nullopt);
    if (done()) throw UsageError(name + " needs a value");
    return args_[next_++];
  }

  // An option without a value must not be given one with '='.
  void no_value(const std::string& name) const {
    if (inline_value_) throw UsageError(name + " takes no value");
  }

 private:
  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  std::optional<std::string> inline_value_;
};

std::filesystem::path path_value(Arguments& arguments, const std::string& name) {
  const std::string text = arguments.value(name);
  if (text.empty()) throw UsageError(name + " needs a non-empty path");
  return text;
}

// The value parsed, its mistake said with the option's name.
template <typename Parse>
auto given(const std::string& name, Parse parse) {
  try {
    return parse();
  } catch (const UsageError& e) {
    throw UsageError(name + ": " + e.what());
  }
}

}  // namespace

Options parse_options(const std::vector<std::string>& args) {
  Options options;
  Arguments arguments(args);
  while (!arguments.done()) {
    const std::string name = arguments.option();
    if (name == "--help" || name == "-h") {
      arguments.no_value(name);
      options.help = true;
    } else if (name == "--version") {
      arguments.no_value(name);
      options.version = true;
    } else if (name == "--list") {
      arguments.no_value(name);
      options.list = true;
    } else if (name == "--once") {
      arguments.no_value(name);
      options.once = true;
    } else if (name == "--config") {
      options.config = path_value(arguments, name);
    } else if (name == "--log") {
      options.log = path_value(arguments, name);
    } else if (name == "--sysfs") {
      options.sysfs = path_value(arguments, name);
    } else if (name == "--interval") {
      const std::string text = arguments.value(name);
      options.interval_seconds = parse_interval(text);
      if (!options.interval_seconds) {
        throw UsageError("--interval needs whole seconds from 1 to " +
                         std::to_string(kMaxIntervalSeconds) + ", not '" + text + "'");
      }
    } else if (name == "--timeout") {
      const std::string text = arguments.value(name);
      options.timeout_seconds = parse_timeout(text);
      if (!options.timeout_seconds) {
        throw UsageError("--timeout needs whole seconds from 1 to " +
                         std::to_string(kMaxTimeoutSeconds) + ", not '" + text + "'");
      }
    } else if (name == "--serial") {
      if (options.serial) throw UsageError("--serial is given twice");
      const std::string setting = arguments.value(name);
      options.serial = given(name, [&] { return parse_serial_setting(setting); });
    } else if (name == "--mqtt") {
      if (options.mqtt) throw UsageError("--mqtt is given twice");
      const std::string url = arguments.value(name);
      try {
        options.mqtt = platform::parse_mqtt(url);
      } catch (const std::invalid_argument& e) {
        throw UsageError(e.what());
      }
    } else if (name == "--column") {
      const std::string setting = arguments.value(name);
      const TopicColumn mapping = given(name, [&] { return parse_topic_column(setting); });
      for (const TopicColumn& other : options.topics) {
        if (other.column == mapping.column) {
          throw UsageError("--column: column " + std::to_string(mapping.column) +
                           " is given twice");
        }
      }
      options.topics.push_back(mapping);
    } else if (name.starts_with("-")) {
      throw UsageError("unknown option " + name);
    } else {
      throw UsageError("unexpected argument '" + name + "'");
    }
  }
  if (options.list && options.once) throw UsageError("--list and --once exclude each other");
  return options;
}

}  // namespace kolvar::logger
