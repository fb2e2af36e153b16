#include "platform/ports/gpio_map.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/ports/port_choice.h"

namespace kolvar::platform {
namespace {

std::string lines_of(const GpioMap& map) {
  std::string text;
  for (const auto& l : map.line) text += (text.empty() ? "" : ",") + (l ? std::to_string(*l) : "-");
  return text;
}

struct PortCase {
  const char* text;
  const char* chip;   // nullptr: refused
  const char* lines;  // all eight, '-' unmapped; or the start of the refusal
  bool active_low;
  friend void PrintTo(const PortCase& s, std::ostream* out) { *out << s.text; }
};

class PortText : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortText, ParsesOrSaysWhatIsWrong) {
  const PortCase& s = GetParam();
  if (!s.chip) {
    try {
      parse_gpio_port(s.text);
      FAIL() << "accepted";
    } catch (const std::invalid_argument& mistake) {
      EXPECT_NE(std::string(mistake.what()).find(s.lines), std::string::npos) << mistake.what();
    }
    return;
  }
  const GpioMap map = parse_gpio_port(s.text);
  EXPECT_EQ(map.chip, s.chip);
  EXPECT_EQ(lines_of(map), s.lines);
  EXPECT_EQ(map.active_low, s.active_low);
  // The map's own spelling reads back as the same map.
  EXPECT_EQ(parse_gpio_port(map.port_text()), map);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PortText,
    ::testing::Values(
        PortCase{"gpio:gpiochip0:17,27,22,23,24,25,5,6", "gpiochip0", "17,27,22,23,24,25,5,6",
                 false},
        PortCase{"gpio:gpiochip0:17,27,22,23,24,25,5,6:active-low", "gpiochip0",
                 "17,27,22,23,24,25,5,6", true},
        PortCase{"gpio:/dev/gpiochip4:0,1:active-high", "/dev/gpiochip4", "0,1,-,-,-,-,-,-", false},
        PortCase{"gpio:gpiochip0:-,,3,-", "gpiochip0", "-,-,3,-,-,-,-,-", false},
        PortCase{"gpio:gpiochip0:4294967295", "gpiochip0", "4294967295,-,-,-,-,-,-,-", false},
        PortCase{"ppdev:/dev/parport0", nullptr, "a port is given as gpio:", false},
        PortCase{"gpio", nullptr, "gpio:CHIP:", false},
        PortCase{"gpio:gpiochip0", nullptr, "gpio:CHIP:", false},
        PortCase{"gpio::1,2", nullptr, "no GPIO chip", false},
        PortCase{"gpio:gpio chip:1", nullptr, "no blanks", false},
        PortCase{"gpio:gpiochip0:1,2:active-low:x", nullptr, "gpio:CHIP:", false},
        PortCase{"gpio:gpiochip0:1,2:low", nullptr, "polarity", false},
        PortCase{"gpio:gpiochip0:", nullptr, "no data pin", false},
        PortCase{"gpio:gpiochip0:-,-,-", nullptr, "no data pin", false},
        PortCase{"gpio:gpiochip0:1,2,3,4,5,6,7,8,9", nullptr, "more than 8", false},
        PortCase{"gpio:gpiochip0:1,x", nullptr, "data pin 3", false},
        PortCase{"gpio:gpiochip0:-1", nullptr, "data pin 2", false},
        PortCase{"gpio:gpiochip0:+1", nullptr, "data pin 2", false},
        PortCase{"gpio:gpiochip0:4294967296", nullptr, "data pin 2", false},
        PortCase{"gpio:gpiochip0:5,6,5", nullptr, "line 5 is given for two", false}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

struct FileCase {
  const char* what;
  const char* text;
  const char* text_form;  // the map in the command line's form, or the start of the refusal
  bool refused;
  friend void PrintTo(const FileCase& f, std::ostream* out) { *out << f.what; }
};

class PortFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(PortFile, HoldsTheCommandLinesFields) {
  const FileCase& f = GetParam();
  if (f.refused) {
    try {
      parse_port_file(f.text);
      FAIL() << "accepted";
    } catch (const std::invalid_argument& mistake) {
      EXPECT_EQ(std::string(mistake.what()).rfind(f.text_form, 0), 0u) << mistake.what();
    }
    return;
  }
  EXPECT_EQ(parse_port_file(f.text).port_text(), f.text_form);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PortFile,
    ::testing::Values(
        FileCase{"documented example",
                 "# relay board on the GPIO header\nchip gpiochip0\nlines 17,27,22,23,24,25,5,6\n"
                 "polarity active-low\n",
                 "gpio:gpiochip0:17,27,22,23,24,25,5,6:active-low", false},
        FileCase{"CR LF, tabs, comments after values, no polarity",
                 "\r\n\tchip\t/dev/gpiochip1  # the expander\r\nlines 4, -, 7\r\n",
                 "gpio:/dev/gpiochip1:4,-,7", false},
        FileCase{"no chip", "lines 1\n", "no chip", true},
        FileCase{"a chip that the command line could not name", "chip a:b\nlines 1\n",
                 "line 1: a GPIO chip's name has no blanks or colons", true},
        FileCase{"no lines", "chip gpiochip0\n", "no lines", true},
        FileCase{"a field twice", "chip a\nchip b\nlines 1\n", "line 2: chip given twice", true},
        FileCase{"a field without a value", "chip\nlines 1\n", "line 1: chip has no value", true},
        FileCase{"an unknown field", "chip a\nlines 1\npins 2\n", "line 3: unknown field", true},
        FileCase{"bad lines", "chip a\n\nlines 1,1\n", "line 3: line 1 is given for two", true},
        FileCase{"bad polarity", "chip a\nlines 1\npolarity inverted\n", "line 3: the polarity",
                 true}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(GpioMap, LevelsFollowTheBitsOfMappedPinsOnlyAndInvertOnActiveLow) {
  GpioMap map = parse_gpio_port("gpio:c:-,10,-,11,-,-,-,12");
  EXPECT_EQ(map.offsets(), (std::vector<unsigned>{10, 11, 12}));
  EXPECT_EQ(map.levels(0b10001010), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(map.levels(0b01110101), (std::vector<int>{0, 0, 0}));
  map.active_low = true;
  EXPECT_EQ(map.levels(0b00000010), (std::vector<int>{0, 1, 1}));
}

struct Option {
  std::vector<std::string> args;
  std::vector<std::string> rest;  // what stays; for a refusal, its start alone
  const char* text_form;          // the map taken, "" none, nullptr refused
};

TEST(PortOption, IsTakenOutOfTheArgumentsInEitherFormOrRefused) {
  const std::vector<Option> cases = {
      {{}, {}, ""},
      {{"-x", "y"}, {"-x", "y"}, ""},
      {{"--port", "gpio:gpiochip0:1,2", "z"}, {"z"}, "gpio:gpiochip0:1,2"},
      {{"a", "--port=gpio:gpiochip0:3:active-low"}, {"a"}, "gpio:gpiochip0:3:active-low"},
      {{"--port"}, {"--port needs a value"}, nullptr},
      {{"--port=gpio:a:1", "--port", "gpio:b:2"}, {"--port given twice"}, nullptr},
      {{"--port", "lpt1"}, {"a port is given as"}, nullptr},
  };
  for (const Option& c : cases) {
    std::vector<std::string> args = c.args;
    try {
      const auto map = take_port_option(args);
      ASSERT_NE(c.text_form, nullptr) << "accepted " << c.args.size() << " arguments";
      EXPECT_EQ(map ? map->port_text() : "", c.text_form);
      EXPECT_EQ(args, c.rest);
    } catch (const std::invalid_argument& mistake) {
      ASSERT_EQ(c.text_form, nullptr) << mistake.what();
      EXPECT_EQ(std::string(mistake.what()).rfind(c.rest.front(), 0), 0u) << mistake.what();
    }
  }
}

}  // namespace
}  // namespace kolvar::platform
