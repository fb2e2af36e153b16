#include "logger/config.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logger/options.h"
#include "logger/usage_error.h"

namespace kolvar::logger {
namespace {

TEST(Config, ColumnsLogAndInterval) {
  const Config config = parse_config(
      "# column  sensor\r\n"
      "3\t28-0000075a1b2c   # tank\r\n"
      "\n"
      "  1 28-00000812ab01\n"
      "log my logs/temperatures.log\n"
      "interval 2",
      "/home/op/.config/kolvar/logger.conf");
  EXPECT_EQ(config.sensor,
            (std::array<std::string, 5>{"28-00000812ab01", "", "28-0000075a1b2c", "", ""}));
  EXPECT_EQ(config.log, "/home/op/.config/kolvar/my logs/temperatures.log");
  EXPECT_EQ(config.interval_seconds, 2);
  EXPECT_EQ(parse_config("1 28-a\nlog /var/log/t.log\n", "c.conf").log, "/var/log/t.log");
}

TEST(Config, MistakesNameTheLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"# nothing\n", "c.conf: no sensor columns"},
      {"1 28-a\n6 28-b\n", "c.conf line 2: unknown setting '6'"},
      {"1\n", "c.conf line 1: column 1 needs one sensor id"},
      {"1 28-a 28-b\n", "c.conf line 1: column 1 needs one sensor id"},
      {"1 ../etc\n", "c.conf line 1: column 1 needs one sensor id"},
      {"1 28-a\n\n1 28-b\n", "c.conf line 3: column 1 is given twice"},
      {"1 28-a\n2 28-a\n", "c.conf line 2: sensor 28-a is given for two columns"},
      {"1 28-a\ninterval 0\n", "c.conf line 2: 'interval' needs whole seconds from 1 to 3600"},
      {"1 28-a\ninterval 1.5\n", "c.conf line 2: 'interval' needs whole seconds"},
      {"1 28-a\nlog\n", "c.conf line 2: 'log' needs a file path"},
  };
  for (const auto& c : cases) {
    try {
      parse_config(c.text, "c.conf");
      ADD_FAILURE() << c.text;
    } catch (const UsageError& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with(c.message)) << error.what();
    }
  }
}

TEST(Options, ValuesSeparateOrAfterEquals) {
  const Options options =
      parse_options({"--config", "a.conf", "--log=b.log", "--interval", "5", "--once"});
  EXPECT_EQ(options.config, "a.conf");
  EXPECT_EQ(options.log, "b.log");
  EXPECT_EQ(options.interval_seconds, 5);
  EXPECT_TRUE(options.once);
  EXPECT_EQ(options.sysfs, "/sys/bus/w1/devices");
}

TEST(Options, WrongOnesAreRefused) {
  const std::vector<std::vector<std::string>> cases = {
      {"--verbose"}, {"stray"},           {"--log"},        {"--log="},
      {"--once=1"},  {"--interval", "0"}, {"--interval=x"}, {"--list", "--once"},
  };
  for (const auto& args : cases) {
    EXPECT_THROW(parse_options(args), UsageError) << args[0];
  }
}

}  // namespace
}  // namespace kolvar::logger
