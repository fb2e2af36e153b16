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

}  // namespace
}  // namespace kolvar::chart
