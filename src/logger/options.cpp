#include "logger/options.h"

#include <cstddef>
#include <optional>
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
