#include "logger/serial_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "logger/degrees_text.h"
#include "logger/line_assembler.h"
#include "logger/payload_reader.h"

namespace kolvar::logger {
namespace {

using Readings = std::vector<ColumnReading>;

TEST(Degrees, PlainDecimalsOnly) {
  const struct {
    const char* text;
    std::optional<int> millidegrees;
  } cases[] = {
      {"23.125", 23125},
      {"-0.0625", -63},
      {"+21", 21000},
      {"85.00", 85000},
      {".5", 500},
      {"7.", 7000},
      {"0.00049", 0},
      {"0.0005", 1},
      {"-127.00", -127000},
      {"999999.9", 999999900},
      {"", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"1e3", std::nullopt},
      {"nan", std::nullopt},
      {"inf", std::nullopt},
      {" 1", std::nullopt},
      {"1,5", std::nullopt},
      {"0x10", std::nullopt},
      {"--1", std::nullopt},
      {"1000000", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_millidegrees(c.text), c.millidegrees) << c.text;
}

TEST(SerialLine, NumbersFillColumnsInOrder) {
  const std::array<std::string, kColumns> none;
  EXPECT_EQ(parse_serial_line("23.125 78.4\t80.1", none),
            (Readings{{1, 23125}, {2, 78400}, {3, 80100}}));
  EXPECT_EQ(parse_serial_line("23.1, 78.4 ;80.1, ", none),
            (Readings{{1, 23100}, {2, 78400}, {3, 80100}}))
      << "blanks around a field, one separator at the end";
  EXPECT_EQ(parse_serial_line("  23.1    78.4\t\t", none), (Readings{{1, 23100}, {2, 78400}}))
      << "blanks and tabs that pad columns";
  // A sensor the board could not read keeps its place as a failed read: the
  // next one's value never moves up under its name.
  EXPECT_EQ(parse_serial_line("23.1,,80.1", none),
            (Readings{{1, 23100}, {2, std::nullopt}, {3, 80100}}));
  EXPECT_EQ(parse_serial_line(";78.4;\t;80.1", none),
            (Readings{{1, std::nullopt}, {2, 78400}, {3, std::nullopt}, {4, 80100}}));
  EXPECT_EQ(parse_serial_line(", ,;", none), Readings{}) << "no number: no row";
  EXPECT_EQ(parse_serial_line("1 2 3 4 5 6 7", none).size(), 5u) << "columns beyond the fifth";
  // A sensor that does not answer still takes its place in the row.
  EXPECT_EQ(parse_serial_line("-127.00 20", none), (Readings{{1, -127000}, {2, 20000}}));
}

TEST(SerialLine, PairsFillTheirIdsColumnsAndAnythingElseIsIgnored) {
  const std::array<std::string, kColumns> ids{"28-0000075a1b2c", "", "tank", "28FF641E8F16045C",
                                              "28:FF:01"};
  EXPECT_EQ(parse_serial_line("tank=84.2 28-0000075a1b2c:20.5", ids),
            (Readings{{3, 84200}, {1, 20500}}));
  EXPECT_EQ(parse_serial_line("28ff641e8f16045c=30 TANK:1", ids), (Readings{{4, 30000}, {3, 1000}}))
      << "IDs in either case";
  EXPECT_EQ(parse_serial_line("unknown=1 tank=x =5 tank= 28:ff:01:20 28-0000075a1b2c:20:1", ids),
            (Readings{{5, 20000}}))
      << "an ID with colons of its own";
  for (const char* noise :
       {"", "   ", "DS18B20 logger v1.2", "Found 3 sensors", "23.5 C", "\x01\x02\xff", "tank"}) {
    EXPECT_EQ(parse_serial_line(noise, ids), Readings{}) << noise;
  }
}

TEST(LineAssembler, UsesWholeLinesOnly) {
  LineAssembler lines;
  // The tail of a line begun before the port was opened.
  EXPECT_EQ(lines.add("5 78.4\n23.1 7"), std::vector<std::string>{});
  EXPECT_EQ(lines.add("8.4\r\n\r\n20"), (std::vector<std::string>{"23.1 78.4"}));
  EXPECT_EQ(lines.add(".5\r"), (std::vector<std::string>{"20.5"}));
  // Reopened: the half line before is dropped, and so is what comes first.
  EXPECT_EQ(lines.add("21"), std::vector<std::string>{});
  lines.restart();
  EXPECT_EQ(lines.add(".0\n22\n"), (std::vector<std::string>{"22"}));
}

TEST(LineAssembler, AnOverlongLineIsDroppedWhole) {
  LineAssembler lines;
  lines.add("\n");
  const std::string longest(kLongestSerialLine, '1');
  EXPECT_EQ(lines.add(longest + "\n"), (std::vector<std::string>{longest}));
  EXPECT_EQ(lines.add(longest + "2 3 4\n5\n"), (std::vector<std::string>{"5"}));
}

TEST(Payload, ANumberOrTheNumberAtAPathInJson) {
  EXPECT_EQ(payload_millidegrees("23.125", ""), 23125);
  EXPECT_EQ(payload_millidegrees(" 21.5\n", ""), 21500);
  EXPECT_EQ(payload_millidegrees("nan", ""), std::nullopt);
  EXPECT_EQ(payload_millidegrees("{\"t\":1}", ""), std::nullopt);
  const std::string tasmota =
      R"({"Time":"2026-12-11T03:00:00","DS18B20-1":{"Id":"0316A2795D8B","Temperature":78.4},)"
      R"("DS18B20-2":{"Id":"01191ED7B6A5","Temperature":"20.25"},"TempUnit":"C"})";
  EXPECT_EQ(payload_millidegrees(tasmota, "DS18B20-1.Temperature"), 78400);
  EXPECT_EQ(payload_millidegrees(tasmota, "DS18B20-2.Temperature"), 20250) << "a number as text";
  for (const char* path : {"DS18B20-3.Temperature", "DS18B20-1", "DS18B20-1.Id", "TempUnit",
                           "Time.x", "DS18B20-1.Temperature.x"}) {
    EXPECT_EQ(payload_millidegrees(tasmota, path), std::nullopt) << path;
  }
  std::string fahrenheit = tasmota;
  fahrenheit.replace(fahrenheit.find(R"("TempUnit":"C")"), 14, R"("TempUnit":"F")");
  EXPECT_EQ(payload_millidegrees(fahrenheit, "DS18B20-1.Temperature"), std::nullopt)
      << "a reading in Fahrenheit is never taken for Celsius";
  for (const char* bad : {"", "{", "[1,2]", "{\"a\":1e999}", "{\"a\":null}", "{\"a\":true}"}) {
    EXPECT_EQ(payload_millidegrees(bad, "a"), std::nullopt) << bad;
  }
  EXPECT_EQ(payload_millidegrees(std::string(kLongestPayload + 1, ' ') + "1", ""), std::nullopt);
}

}  // namespace
}  // namespace kolvar::logger
