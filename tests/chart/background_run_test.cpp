// A past run behind today's: drawn first and faded, on axes both share, and
// named in the legend.
#include "chart/background_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "chart/plot_scene.h"
#include "chart/role_style.h"
#include "plot_samples.h"

namespace kolvar::chart {
// Named, not anonymous: a unity build puts these beside the other tests.
namespace background_run_test {

using testing::sample_at;

constexpr Size kSize{800, 400};

// `minutes` of the dephlegmator at `degrees`, a sample every 2 s.
PlotModel run_of(int minutes, const std::string& degrees) {
  PlotModel model;
  model.start({});
  for (int i = 0; i <= minutes * 30; ++i) model.add(sample_at(i * 2000, degrees));
  model.stop();
  return model;
}

// The index in the scene of the first curve of `colour`, or none.
std::optional<std::size_t> curve_of(const Scene& scene, Colour colour) {
  for (std::size_t i = 0; i < scene.items.size(); ++i)
    if (const auto* l = std::get_if<Lines>(&scene.items[i]);
        l && l->colour == colour && l->points.size() > 20)
      return i;
  return std::nullopt;
}

TEST(BackgroundRun, IsDrawnFadedThinnerAndBeforeTodaysRunOnAxesBothShare) {
  const PlotModel today = run_of(10, "78,0");
  const BackgroundRun past{run_of(20, "95,0"), "Фон: past.csv"};
  const Span span = shown_span(TimeWindow(), today, &past.model);
  EXPECT_EQ(span, (Span{0, 1'200'000})) << "the whole of the longer run";

  const Scene scene = make_scene(today, span, kSize, RoughMeasure(), &past);
  const auto own = curve_of(scene, role_colour(0));
  const auto behind = curve_of(scene, faded(role_colour(0)));
  ASSERT_TRUE(own && behind);
  EXPECT_LT(*behind, *own) << "behind: drawn first";
  const auto& own_line = std::get<Lines>(scene.items[*own]);
  const auto& past_line = std::get<Lines>(scene.items[*behind]);
  EXPECT_LT(past_line.width, own_line.width);
  EXPECT_NE(faded(role_colour(0)), role_colour(0));

  // One time axis: today's curve ends halfway, the past one runs on to the
  // edge; one temperature axis: the hotter past run lies above, both within.
  const Box area = plot_area(kSize);
  auto max_x = [](const Lines& l) {
    double x = 0;
    for (const Point& p : l.points) x = std::max(x, p.x);
    return x;
  };
  EXPECT_NEAR(max_x(own_line), area.left + area.width / 2, 2);
  EXPECT_NEAR(max_x(past_line), area.right(), 2);
  for (const Point& p : past_line.points) {
    ASSERT_GE(p.y, area.top);
    ASSERT_LT(p.y, own_line.points.front().y);
  }
  for (const Point& p : own_line.points) ASSERT_LE(p.y, area.bottom());

  const auto texts = [&] {
    std::vector<std::string> out;
    for (const Item& item : scene.items)
      if (const auto* t = std::get_if<Text>(&item)) out.push_back(t->text);
    return out;
  }();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Фон: past.csv"), texts.end()) << "legend";
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "Нет данных"), texts.end());
}

TEST(BackgroundRun, TakesNoPartInAZoomAndShowsItselfBeforeTodaysRunHasBegun) {
  const PlotModel today = run_of(10, "78,0");
  const PlotModel past = run_of(20, "95,0");
  TimeWindow zoomed;
  zoomed.zoom({0, 600'000}, 0.5, 1);
  EXPECT_EQ(shown_span(zoomed, today, &past), zoomed.span(0, 600'000));

  PlotModel empty;
  EXPECT_EQ(shown_span(TimeWindow(), empty, &past), (Span{0, 1'200'000}));
  EXPECT_EQ(shown_span(TimeWindow(), empty, nullptr), (Span{0, TimeWindow::kLeast}));
  const Scene scene = make_scene(empty, {0, 1'200'000}, kSize, RoughMeasure(), nullptr);
  EXPECT_FALSE(curve_of(scene, faded(role_colour(0))));
  const BackgroundRun behind{past, "Фон"};
  EXPECT_TRUE(curve_of(make_scene(empty, {0, 1'200'000}, kSize, RoughMeasure(), &behind),
                       faded(role_colour(0))));
}

TEST(BackgroundRun, IsNamedByItsFileAndStart) {
  using namespace std::chrono;
  const auto started = local_days{2024y / May / 1} + 9h + 5min + 7s;
  EXPECT_EQ(background_label("2024-05-01_09-05-07.csv", started),
            "Фон: 2024-05-01_09-05-07.csv от 01.05.2024 09:05");
  EXPECT_EQ(background_label("пустой.csv", std::nullopt), "Фон: пустой.csv");

  const BackgroundRun loaded =
      load_background(std::string(KOLVAR_TEST_DIR) + "/chart/data/short_run.csv");
  EXPECT_FALSE(loaded.model.empty());
  EXPECT_EQ(loaded.label.rfind("Фон: short_run.csv от ", 0), 0u) << loaded.label;
  EXPECT_THROW(load_background(std::string(KOLVAR_TEST_DIR) + "/chart/data/missing.csv"),
               std::runtime_error);
}

}  // namespace background_run_test
}  // namespace kolvar::chart
