// The plot laid out for any painter: curves in their roles' colours within
// the plot's area, the texts a painter writes where they belong, nothing that
// needs a toolkit to work out.
#include "chart/plot_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/plot_data.h"
#include "chart/role_style.h"
#include "plot_samples.h"

namespace kolvar::chart {
namespace {

using testing::sample_at;

constexpr Size kSize{800, 400};

template <typename T>
std::vector<const T*> all(const Scene& scene) {
  std::vector<const T*> out;
  for (const Item& item : scene.items)
    if (const T* t = std::get_if<T>(&item)) out.push_back(t);
  return out;
}

const Text* text_starting(const Scene& scene, const std::string& head) {
  for (const Text* t : all<Text>(scene))
    if (t->text.rfind(head, 0) == 0) return t;
  return nullptr;
}

// Ten minutes of the dephlegmator and the packing, the valve open now and
// then, ended by a stop with a reason.
PlotModel stopped_run(const std::string& news) {
  PlotModel model;
  model.start({});
  for (int i = 0; i <= 300; ++i)
    model.add(sample_at(i * 2000, std::to_string(78 + i % 5) + ",2", "80.0", i % 10 < 3));
  auto last = sample_at(301 * 2000, "79.0", "80.0", false);
  last.news = news;
  model.add(last);
  model.stop();
  return model;
}

TEST(PlotScene, HoldsEachCurveInItsColourWithinTheAreaAndTheTextsAPainterWrites) {
  const PlotModel model = stopped_run("Дефлегматор в норме\r\nПерегрев холодильника\r\n");
  const Span span{0, 602'000};
  const Scene scene = make_scene(model, span, kSize, RoughMeasure());
  const Box area = plot_area(kSize);

  EXPECT_EQ(scene.size, kSize);
  const auto* ground = std::get_if<Fill>(&scene.items.front());
  ASSERT_TRUE(ground) << "a white ground first";
  EXPECT_EQ(ground->box, (Box{0, 0, 800, 400}));

  for (std::size_t role : {0u, 1u}) {
    SCOPED_TRACE(role);
    const auto lines = all<Lines>(scene);
    const auto curve = std::find_if(lines.begin(), lines.end(), [&](const Lines* l) {
      return l->colour == role_colour(role) && l->points.size() > 100;
    });
    ASSERT_NE(curve, lines.end());
    std::size_t counted = 0;
    for (std::size_t n : (*curve)->runs) counted += n;
    EXPECT_EQ(counted, (*curve)->points.size()) << "the runs take every point";
    for (const Point& p : (*curve)->points) {
      ASSERT_GE(p.x, area.left);
      ASSERT_LE(p.x, area.right() + 1);
      ASSERT_GE(p.y, area.top);
      ASSERT_LE(p.y, area.bottom());
    }
    EXPECT_TRUE(text_starting(scene, role_name(role))) << "in the legend";
  }
  EXPECT_FALSE(text_starting(scene, role_name(2))) << "the tank takes no part";
  EXPECT_TRUE(text_starting(scene, "пороги"));
  EXPECT_TRUE(text_starting(scene, "клапан открыт"));
  EXPECT_TRUE(text_starting(scene, "V1 88.0"));
  EXPECT_TRUE(text_starting(scene, "ч:мм от старта"));
  EXPECT_FALSE(text_starting(scene, "Нет данных"));

  // The valve's shading covers the area, a third of each stretch of ten cycles.
  const auto shades = all<Shade>(scene);
  ASSERT_EQ(shades.size(), 1u);
  EXPECT_EQ(shades[0]->cover.size(), static_cast<std::size_t>(area.width));
  for (float c : shades[0]->cover) ASSERT_TRUE(c >= 0 && c <= 1) << c;

  // The stop at the right edge is labelled on its left, within the area, with
  // the last line of the panel's text.
  const Text* stop = text_starting(scene, "Стоп");
  ASSERT_TRUE(stop);
  EXPECT_EQ(stop->text, "Стоп: Перегрев холодильника");
  const auto fills = all<Fill>(scene);
  const auto box = std::find_if(fills.begin(), fills.end(),
                                [&](const Fill* f) { return f->box.centre() == stop->at; });
  ASSERT_NE(box, fills.end()) << "the label stands on a box of its own";
  EXPECT_GE((*box)->box.left, area.left);
  EXPECT_LE((*box)->box.right(), area.right());

  // Curves and the stop are clipped to the area, the labels beside it not.
  const auto clips = all<Clip>(scene);
  ASSERT_EQ(clips.size(), 2u);
  EXPECT_TRUE(clips[0]->box);
  EXPECT_FALSE(clips[1]->box);
}

TEST(PlotScene, LeavesAGapWhereARoleWasInReadErrorHoweverShort) {
  // A minute of 2-second cycles, each a few pixels apart: the curve joins
  // them, but not across the cycles whose reading was no temperature.
  PlotModel model;
  model.start({});
  for (int i = 0; i < 30; ++i) {
    const bool lost = i == 10 || i == 11 || i == 20;
    auto s = sample_at(i * 2000, lost ? (i == 20 ? "0" : "-127.00") : "78.5", "80.0");
    if (lost) {
      s.read_error[0] = true;
      s.degrees[0].reset();
    }
    model.add(s);
  }
  const PlotData data = plot_data(model, {0, 60'000}, 700);
  ASSERT_EQ(data.temperatures.size(), 2u);
  EXPECT_EQ(data.values->min, 77.0f) << "the packing's threshold; nothing drops to the codes";
  const Scene scene = make_scene(model, {0, 60'000}, kSize, RoughMeasure());
  std::vector<std::size_t> runs[2];
  for (const Lines* l : all<Lines>(scene))
    for (std::size_t role : {0u, 1u})
      if (l->colour == role_colour(role) && l->points.size() > 10)
        runs[role].push_back(l->runs.size());
  EXPECT_EQ(runs[0], std::vector<std::size_t>{3}) << "before, between and after the read errors";
  EXPECT_EQ(runs[1], std::vector<std::size_t>{1}) << "the packing read throughout";
}

TEST(PlotScene, CutsALongStopReasonAndSaysSoWhenThereIsNothingToShow) {
  const std::string reason(200, 'x');
  const RoughMeasure rough;
  const Scene scene = make_scene(stopped_run(reason), {0, 602'000}, kSize, rough);
  const Text* stop = text_starting(scene, "Стоп: xxx");
  ASSERT_TRUE(stop);
  EXPECT_LE(rough.width(stop->text, stop->font), plot_area(kSize).width * 0.6);
  EXPECT_EQ(stop->text.substr(stop->text.size() - 3), "…");

  PlotModel empty;
  const Scene nothing = make_scene(empty, {0, 600'000}, kSize, rough);
  const Text* note = text_starting(nothing, "Нет данных");
  ASSERT_TRUE(note);
  EXPECT_EQ(note->at, plot_area(kSize).centre());
  EXPECT_EQ(note->across, Align::Middle);
  EXPECT_TRUE(all<Shade>(nothing).empty());
}

TEST(PlotScene, PushesThresholdLabelsThatWouldOverlapApart) {
  // V1 and V2 at the same degrees: their labels would stand on each other.
  PlotModel model;
  model.start({});
  for (int i = 0; i < 10; ++i) {
    auto s = sample_at(i * 2000, "78.0", "79.0");
    s.thresholds = {800, 800, 960, 400, 350};
    model.add(s);
  }
  const Scene scene = make_scene(model, {0, 20'000}, kSize, RoughMeasure());
  const Text* v1 = text_starting(scene, "V1 80.0");
  const Text* v2 = text_starting(scene, "V2 80.0");
  ASSERT_TRUE(v1 && v2);
  EXPECT_GE(std::abs(v1->at.y - v2->at.y), 13);
  EXPECT_GE(v1->at.x, plot_area(kSize).right()) << "beside the area";
}

TEST(PlotScene, LeavesOutTheLegendsLastEntriesWholeOnANarrowPlot) {
  // A phone's width: the legend's tail would be cut at the edge.
  const RoughMeasure rough;
  for (const Size size : {Size{360, 300}, Size{800, 400}}) {
    const Scene scene = make_scene(stopped_run("x"), {0, 602'000}, size, rough);
    for (const Text* t : all<Text>(scene)) {
      if (t->at.y != 14) continue;  // the legend's line
      EXPECT_LE(t->at.x + rough.width(t->text, t->font), size.width) << t->text;
    }
    EXPECT_EQ(text_starting(scene, "клапан открыт") != nullptr, size.width == 800);
  }
}

}  // namespace
}  // namespace kolvar::chart
