// A run's summary folded from its rows, and its file beside the record.
#include "record/run_summary.h"

#include <gtest/gtest.h>

#include <chrono>

#include "record/summary_file.h"

namespace kolvar::record {
namespace {

namespace chr = std::chrono;

const platform::LocalTime kStart = chr::local_days{chr::year{2024} / 3 / 5} + chr::hours{10};

Sample row(platform::Millis at, std::optional<bool> open, std::optional<double> head = {},
           std::optional<double> tank = {}) {
  Sample s;
  s.since_start = at;
  s.wall = kStart + chr::seconds(at / 1000);
  s.takeoff = Takeoff::Liquid;
  s.valve_open = open;
  s.degrees[0] = head;
  s.degrees[2] = tank;
  return s;
}

TEST(RunSummary, OpenTimeHoldsEachRowsStateUntilTheNextAndTheMedianTakesOpenRowsOnly) {
  SummaryBuilder b;
  b.add(row(2000, std::nullopt, 90.0, 70.0));  // before the valve was first switched
  b.add(row(4000, false, 79.0, 71.5));
  b.add(row(6000, true, 78.2, 72.0));  // open for 4 s: to the row at 10 s
  b.add(row(8000, true, 78.6));        // the tank in read error: no reading
  b.add(row(10000, false, 85.0, 71.0));
  b.add(row(12000, true, 78.4, 72.5));  // open at the last row: nothing after it
  const RunSummary s = b.finish(false);
  EXPECT_EQ(s.start, kStart);
  EXPECT_EQ(s.duration, 12000);
  EXPECT_EQ(s.first_open, 6000);
  EXPECT_EQ(s.valve_open, 4000);
  EXPECT_EQ(s.tank_max, 72.5);
  EXPECT_EQ(s.head_median_takeoff, 78.4);  // of 78.2, 78.6, 78.4
  EXPECT_EQ(s.rows, 6);
  EXPECT_FALSE(s.stopped);
  EXPECT_FALSE(s.cut);

  // An even count takes the mean of the middle two.
  SummaryBuilder even;
  even.add(row(2000, true, 78.0));
  even.add(row(4000, true, 79.0));
  EXPECT_DOUBLE_EQ(*even.finish(false).head_median_takeoff, 78.5);
}

TEST(RunSummary, WidthModulatedTakeOffCountsItsShareOfEachCycle) {
  SummaryBuilder b;
  Sample a = row(2000, false);
  a.takeoff = Takeoff::Pwm;
  a.share = 25000;  // 25 %
  Sample c = a;
  c.since_start = 6000;
  c.share = 0;
  Sample d = c;
  d.since_start = 10000;
  b.add(a);
  b.add(c);
  b.add(d);
  const RunSummary s = b.finish(false);
  EXPECT_EQ(s.valve_open, 1000);
  EXPECT_EQ(s.first_open, 2000);
}

TEST(RunSummary, ReadErrorsAndTheStopReasonFromTheLastRow) {
  SummaryBuilder b;
  Sample a = row(2000, false);
  a.read_error[2] = true;
  a.read_error[3] = true;
  Sample c = row(4000, false);
  c.news =
      "СИСТЕМА ОСТАНОВЛЕНА\r\nАварийный перегрев\r\nКуб\r\nОхлаждение после остановки: ещё 10 мин";
  b.add(a);
  b.add(c);
  const RunSummary s = b.finish(true);
  EXPECT_EQ(s.read_errors, 1);  // one cycle, two roles
  EXPECT_TRUE(s.stopped);
  EXPECT_EQ(s.stop_reason, "Аварийный перегрев, Куб");
  EXPECT_TRUE(s.cut);

  EXPECT_EQ(stop_reason_of("Дефлегматор в норме"), std::nullopt);
  EXPECT_EQ(stop_reason_of("СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем"),
            "Остановлено пользователем");
  EXPECT_FALSE(SummaryBuilder().finish(false).start);
}

TEST(SummaryFile, ReadsBackWhatItWroteAndRefusesAnyOtherRecordOrLayout) {
  SummaryBuilder b;
  b.add(row(2000, true, 78.25, 96.04));
  Sample last = row(28800000, false, 80.0, 97.5);
  last.news = "СИСТЕМА ОСТАНОВЛЕНА\r\nДостигнут предел температуры бака";
  b.add(last);
  const RunSummary s = b.finish(false);
  const std::string text = summary_text(s, 123456);
  EXPECT_TRUE(text.starts_with("kolvar run summary 1\n")) << text;
  EXPECT_EQ(summary_of_text(text, 123456), s);

  EXPECT_EQ(summary_of_text(text, 123457), std::nullopt);  // the record has grown
  std::string other = text;
  other.replace(0, 20, "kolvar run summary 2");
  EXPECT_EQ(summary_of_text(other, 123456), std::nullopt);
  for (const char* broken : {"tank_max: 97.5", "rows: 2", "stopped: 1"}) {
    std::string bad = text;
    const std::size_t at = bad.find(broken);
    ASSERT_NE(at, std::string::npos) << broken;
    bad.insert(at + std::string(broken).size() - 1, "x");
    EXPECT_EQ(summary_of_text(bad, 123456), std::nullopt) << bad;
  }
  EXPECT_EQ(summary_of_text(text.substr(0, text.find("stop_reason")), 123456), std::nullopt);
  EXPECT_EQ(summary_of_text("", 123456), std::nullopt);

  // A record without rows has no start and nothing measured.
  const RunSummary empty = SummaryBuilder().finish(true);
  EXPECT_EQ(summary_of_text(summary_text(empty, 0), 0), empty);
}

}  // namespace
}  // namespace kolvar::record
