// The plot's model: samples in, what a picture of a stretch shows out.
#include "chart/plot_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/plot_data.h"
#include "plot_samples.h"

namespace kolvar::chart {
namespace {

using testing::sample_at;

// One column per 2-second cycle of the first minute.
PlotData minute_data(const PlotModel& model) {
  return plot_data(model, {0, 60'000}, 30);
}

TEST(PlotData, DrawsTheRolesThatTakePartWithTheirThresholdsStepsIncluded) {
  PlotModel model;
  model.start({" 0 "});
  for (int i = 0; i < 30; ++i)
    model.add(sample_at(i * 2000, std::to_string(80 + i % 3) + ",5", "", false,
                        i < 15 ? 880 : 900));  // the operator raises V1 halfway
  const PlotData scene = minute_data(model);

  // Only the dephlegmator reads; the packing's empty readings are no curve.
  ASSERT_EQ(scene.temperatures.size(), 1u);
  EXPECT_EQ(scene.temperatures[0].channel, kT1);
  ASSERT_EQ(scene.thresholds.size(), 1u);
  EXPECT_EQ(scene.thresholds[0].channel, kV1);
  const auto& t1 = scene.temperatures[0].columns;
  EXPECT_EQ(t1[0], (ValueRange{80.5f, 80.5f})) << "a decimal comma reads as a point";
  EXPECT_EQ(t1[4], (ValueRange{81.5f, 81.5f}));
  const auto& v1 = scene.thresholds[0].columns;
  EXPECT_EQ(v1[14], (ValueRange{88.0f, 88.0f}));
  EXPECT_EQ(v1[15], (ValueRange{90.0f, 90.0f}));
  EXPECT_EQ(scene.values, (ValueRange{80.5f, 90.0f}));
  EXPECT_EQ(model.cycle(), 2000);
}

TEST(PlotData, KeepsTheStopWithTheLastTextAndForgetsAllAtTheNextStart) {
  PlotModel model;
  model.start({});
  model.add(sample_at(2000, "80.0", "77.0", true));
  auto last = sample_at(4000, "95.0", "77.0", false);
  last.news = "Дефлегматор в норме\r\nПерегрев холодильника";
  model.add(last);
  model.stop();
  ASSERT_TRUE(model.stopped());
  EXPECT_EQ(*model.stopped(), (Stop{4000, last.news}));
  EXPECT_EQ(minute_data(model).stop, model.stopped());
  EXPECT_FALSE(plot_data(model, {10'000, 70'000}, 30).stop) << "outside the stretch";
  EXPECT_EQ(minute_data(model).temperatures.size(), 2u);

  model.start({"1"});
  EXPECT_TRUE(model.empty());
  EXPECT_FALSE(model.stopped());
  EXPECT_TRUE(model.open_periods().empty());
  EXPECT_EQ(model.settings(), std::vector<std::string>{"1"});
  const PlotData fresh = minute_data(model);
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
  const PlotData scene = minute_data(model);
  EXPECT_EQ(scene.values, (ValueRange{80.0f, 88.0f}));
  EXPECT_FALSE(scene.temperatures[0].columns[3]);
}

}  // namespace
}  // namespace kolvar::chart
