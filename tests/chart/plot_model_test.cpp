// The plot's data: samples in, what the picture is made of out.
#include "plot/plot_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "plot/plot_scene.h"
#include "plot_samples.h"

namespace kolvar::plot {
namespace {

using record::ValueRange;
using testing::sample_at;

// One column per 2-second cycle of the first minute.
PlotScene minute_scene(const PlotModel& model) {
  return make_scene(model, {0, 60'000}, 30);
}

TEST(PlotScene, DrawsTheRolesThatTakePartWithTheirThresholdsStepsIncluded) {
  PlotModel model;
  model.start({" 0 "});
  for (int i = 0; i < 30; ++i)
    model.add(sample_at(i * 2000, std::to_string(80 + i % 3) + ",5", "", false,
                        i < 15 ? 880 : 900));  // the operator raises V1 halfway
  const PlotScene scene = minute_scene(model);

  // Only the dephlegmator reads; the packing's empty readings are no curve.
  ASSERT_EQ(scene.temperatures.size(), 1u);
  EXPECT_EQ(scene.temperatures[0].channel, record::kT1);
  ASSERT_EQ(scene.thresholds.size(), 1u);
  EXPECT_EQ(scene.thresholds[0].channel, record::kV1);
  const auto& t1 = scene.temperatures[0].columns;
  EXPECT_EQ(t1[0], (ValueRange{80.5f, 80.5f})) << "a decimal comma reads as a point";
  EXPECT_EQ(t1[4], (ValueRange{81.5f, 81.5f}));
  const auto& v1 = scene.thresholds[0].columns;
  EXPECT_EQ(v1[14], (ValueRange{88.0f, 88.0f}));
  EXPECT_EQ(v1[15], (ValueRange{90.0f, 90.0f}));
  EXPECT_EQ(scene.values, (ValueRange{80.5f, 90.0f}));
  EXPECT_EQ(model.cycle(), 2000);
}

TEST(PlotScene, KeepsTheStopWithTheLastTextAndForgetsAllAtTheNextStart) {
  PlotModel model;
  model.start({});
  model.add(sample_at(2000, "80.0", "77.0", true));
  auto last = sample_at(4000, "95.0", "77.0", false);
  last.news = "Дефлегматор в норме\r\nПерегрев холодильника";
  model.add(last);
  model.stop();
  ASSERT_TRUE(model.stopped());
  EXPECT_EQ(*model.stopped(), (Stop{4000, last.news}));
  EXPECT_EQ(minute_scene(model).stop, model.stopped());
  EXPECT_FALSE(make_scene(model, {10'000, 70'000}, 30).stop) << "outside the stretch";
  EXPECT_EQ(minute_scene(model).temperatures.size(), 2u);

  model.start({"1"});
  EXPECT_TRUE(model.empty());
  EXPECT_FALSE(model.stopped());
  EXPECT_TRUE(model.open_periods().empty());
  EXPECT_EQ(model.settings(), std::vector<std::string>{"1"});
  const PlotScene fresh = minute_scene(model);
  EXPECT_TRUE(fresh.temperatures.empty());
  EXPECT_FALSE(fresh.values);
  model.stop();
  EXPECT_FALSE(model.stopped()) << "a run without samples shows no stop";
}

TEST(PlotModel, TakesWhatIsNoTemperatureOrComesOutOfOrderAsNothing) {
  PlotModel model;
  model.add(sample_at(4000, "80.0"));
  model.add(sample_at(2000, "81.0"));
  EXPECT_EQ(model.points().points(), 1u);
  model.add(sample_at(6000, "1" + std::string(60, '0')));  // beyond a float
  const PlotScene scene = minute_scene(model);
  EXPECT_EQ(scene.values, (ValueRange{80.0f, 88.0f}));
  EXPECT_FALSE(scene.temperatures[0].columns[3]);
}

TEST(OpenPeriods, SpanFromTheFirstSampleSeenOpenToTheFirstSeenClosed) {
  using Seq = std::vector<std::pair<platform::Millis, std::optional<bool>>>;
  const std::vector<std::tuple<const char*, Seq, std::vector<Period>>> cases = {
      {"never switched", {{0, std::nullopt}, {2, std::nullopt}}, {}},
      {"one cycle open", {{0, false}, {2, true}, {4, false}}, {{2, 4}}},
      {"open to the end", {{0, true}, {2, true}, {4, true}}, {{0, 4}}},
      {"two openings",
       {{0, true}, {2, false}, {4, false}, {6, true}, {8, false}},
       {{0, 2}, {6, 8}}},
      {"closed then open at once",
       {{0, true}, {2, false}, {4, true}, {6, std::nullopt}},
       {{0, 2}, {4, 6}}},
  };
  for (const auto& [name, seq, expected] : cases) {
    SCOPED_TRACE(name);
    OpenPeriods periods;
    for (const auto& [t, open] : seq) periods.add(t, open);
    EXPECT_EQ(periods.periods(), expected);
  }
}

TEST(OpenPeriods, StayBoundedOnAValveThatSwitchesEveryCycleAndLoseNoOpenTime) {
  OpenPeriods periods(64);
  std::vector<platform::Millis> open_times;
  for (int i = 0; i < 5000; ++i) {
    const bool open = i % 3 != 0;  // 4 s open, 2 s closed
    periods.add(i * 2000, open);
    if (open) open_times.push_back(i * 2000);
  }
  EXPECT_LE(periods.periods().size(), 64u);
  EXPECT_GT(periods.bridged(), 0);
  const auto& p = periods.periods();
  for (std::size_t i = 1; i < p.size(); ++i) {
    EXPECT_LT(p[i - 1].to, p[i].from) << "merged periods neither touch nor overlap";
  }
  for (platform::Millis t : open_times) {
    const bool covered =
        std::any_of(p.begin(), p.end(), [t](const Period& q) { return q.from <= t && t <= q.to; });
    ASSERT_TRUE(covered) << t;
  }
}

}  // namespace
}  // namespace kolvar::plot
