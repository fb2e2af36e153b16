// A record's row read back: the writer's fields, the temperatures as numbers.
#include "chart/record_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "record/csv.h"
#include "record/record_format.h"

namespace kolvar::chart {
namespace {

namespace chr = std::chrono;
using record::CsvReader;
using record::Sample;
using record::sample_record;
using record::Takeoff;

const platform::LocalTime kDay0 = chr::local_days{chr::year{2024} / 3 / 5} + chr::hours{10};

TEST(RecordFormat, ARowReadsBackAsItWasTaken) {
  // The temperatures' text as the logger wrote it, and as numbers.
  const Sample full{kDay0,
                    86'399'500,
                    {"88.3", "-", "", "1,5"},
                    {88.3, std::nullopt, std::nullopt, 1.5},
                    {880, 775, 200, 1000, 995},
                    Takeoff::Pwm,
                    true,
                    37'500,
                    255,
                    "ШИМ, \"50 %\"\r\nКлапан открыт"};
  const Sample bare{kDay0,        0, {}, {}, {}, Takeoff::None, std::nullopt, std::nullopt,
                    std::nullopt, ""};
  for (const Sample& s : {full, bare}) {
    std::istringstream in(sample_record(s, std::nullopt));
    auto fields = CsvReader(in).next();
    ASSERT_TRUE(fields);
    EXPECT_EQ(sample_from_fields(*fields, ""), s);
  }
  // An unchanged panel text is left out and carried over on reading.
  std::istringstream in(sample_record(full, full.news));
  EXPECT_EQ(sample_from_fields(*CsvReader(in).next(), full.news), full);
}

TEST(RecordFormat, ARoleInReadErrorKeepsItsTextAndIsMarkedNotPlotted) {
  Sample s{kDay0,
           2000,
           {"-127.00", "", "0", "88.5"},
           {std::nullopt, std::nullopt, std::nullopt, 88.5},
           {},
           Takeoff::Liquid,
           false,
           std::nullopt,
           0,
           "Ошибка чтения температуры\r\n"};
  // A blank of a role that takes part is told from a role that takes none
  // by the mark alone.
  s.read_error = {true, true, true, false};
  const std::string row = sample_record(s, std::nullopt);
  EXPECT_TRUE(row.ends_with(",\"Ошибка чтения температуры\r\n\",T1 T2 T3\r\n")) << row;
  std::istringstream in(row);
  const std::vector<std::string> marked = *CsvReader(in).next();
  EXPECT_EQ(sample_from_fields(marked, ""), s);

  for (const char* field : {"T5", "T1,T2", " T1", "t1"}) {
    std::vector<std::string> fields = marked;
    fields.back() = field;
    EXPECT_THROW(sample_from_fields(fields, ""), std::invalid_argument) << field;
  }
}

TEST(RecordReader, ARecordFromBeforeTheMarksReadsAsTheCycleTookIt) {
  // The header and rows of a record written before the read-error column:
  // a role's text that no sensor shows is a read error there too, so the
  // plot leaves a gap rather than a drop to 0 or -127.
  std::istringstream old(
      "#mytunes.log,1,0\r\n"
      "wall_time,seconds,T1,T2,T3,T4,V1,V2,V3,V4,V5,takeoff,valve,pwm_share,port,news\r\n"
      "2024-03-05 10:00:02,2,78.50,0,-127.00,,78.4,80.0,96.0,40.0,35.0,liquid,1,,65,\r\n");
  RecordReader reader(old);
  const auto row = reader.next();
  ASSERT_TRUE(row);
  EXPECT_EQ(row->temperatures, (std::array<std::string, 4>{"78.50", "0", "-127.00", ""}));
  EXPECT_EQ(row->read_error, (std::array<bool, 4>{false, true, true, false}));
  EXPECT_EQ(row->degrees,
            (std::array<std::optional<double>, 4>{78.5, std::nullopt, std::nullopt, std::nullopt}));
  EXPECT_FALSE(reader.next());

  // A row must have the columns of its own header.
  std::istringstream mixed(record::record_opening({"0"}) +
                           "2024-03-05 10:00:02,2,78.50,,,,78.4,80.0,96.0,40.0,35.0,,,,65,\r\n");
  RecordReader strict(mixed);
  EXPECT_THROW(strict.next(), RecordError);
}

}  // namespace
}  // namespace kolvar::chart
