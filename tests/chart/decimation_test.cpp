// Decimation for the plot: whatever the view, each column spans the true
// range of its points, and the shape of the signal survives.
#include "chart/decimation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace kolvar::chart {
namespace {

using platform::Millis;

constexpr Millis kCycle = 2000;
constexpr std::size_t kHour = 1800;  // cycles
constexpr std::size_t k48Hours = 48 * kHour;

// A sine of an hour's period with a spike now and then.
struct Signal {
  std::vector<Millis> t;
  std::vector<float> v;
};

Signal sine_with_spikes(std::size_t n) {
  std::mt19937 random(48);
  Signal s;
  for (std::size_t i = 0; i < n; ++i) {
    float value = 60.0f + 20.0f * static_cast<float>(std::sin(2 * std::numbers::pi * i / kHour));
    if (random() % 997 == 0) value += static_cast<float>(random() % 40) - 20.0f;
    s.t.push_back(static_cast<Millis>(i) * kCycle);
    s.v.push_back(value);
  }
  return s;
}

Decimator filled(const Signal& s) {
  Decimator d(1, {.window = 1024, .buckets = 512});
  for (std::size_t i = 0; i < s.t.size(); ++i) d.add(s.t[i], std::span(&s.v[i], 1));
  return d;
}

void widen(std::optional<ValueRange>& r, float v) {
  if (!r) r = ValueRange{v, v};
  r->min = std::min(r->min, v);
  r->max = std::max(r->max, v);
}

// The range of the points in [from, to).
std::optional<ValueRange> truth(const Signal& s, Millis from, Millis to) {
  std::optional<ValueRange> r;
  const auto first = std::lower_bound(s.t.begin(), s.t.end(), from) - s.t.begin();
  for (auto i = static_cast<std::size_t>(first); i < s.t.size() && s.t[i] < to; ++i)
    widen(r, s.v[i]);
  return r;
}

TEST(Decimation, EveryColumnSpansItsPointsAndNoMoreThanItsBuckets) {
  const Signal s = sine_with_spikes(k48Hours);
  const Decimator d = filled(s);
  // A bucket of the past may reach this far beyond a column it straddles.
  const Millis bucket = static_cast<Millis>(d.bucket_width()) * kCycle;
  std::mt19937 random(2);
  struct View {
    Millis from, to;
    std::size_t columns;
  };
  std::vector<View> views = {{0, s.t.back() + 1, 1000},                       // the whole run
                             {s.t.back() - 3'600'000, s.t.back() + 1, 800}};  // the last hour
  for (int i = 0; i < 20; ++i) {
    Millis from = static_cast<Millis>(random() % (s.t.back() / 1000)) * 1000;
    views.push_back({from, from + 1000 + static_cast<Millis>(random() % 20'000'000), 640});
  }
  for (const View& view : views) {
    const auto got = d.columns(0, view.from, view.to, view.columns);
    const Millis width = view.to - view.from;
    const auto n = static_cast<Millis>(view.columns);
    std::vector<std::optional<ValueRange>> inside(view.columns);
    for (std::size_t i = 0; i < s.t.size(); ++i)
      if (s.t[i] >= view.from && s.t[i] < view.to)
        widen(inside[static_cast<std::size_t>((s.t[i] - view.from) * n / width)], s.v[i]);
    for (std::size_t c = 0; c < view.columns; ++c) {
      if (!inside[c]) continue;
      ASSERT_TRUE(got[c]) << view.from << " column " << c;
      EXPECT_LE(got[c]->min, inside[c]->min) << view.from << " column " << c;
      EXPECT_GE(got[c]->max, inside[c]->max) << view.from << " column " << c;
      const Millis a = view.from + width * static_cast<Millis>(c) / n;
      const auto around = truth(s, a - bucket, a + width / n + 1 + bucket);
      EXPECT_GE(got[c]->min, around->min) << view.from << " column " << c;
      EXPECT_LE(got[c]->max, around->max) << view.from << " column " << c;
    }
  }
}

// Columns before the step hold the low value alone, columns after it the high
// one; only the few that straddle it hold both.
void expect_step(const std::vector<std::optional<ValueRange>>& columns, float low, float high,
                 std::size_t straddling) {
  std::size_t both = 0, c = 0;
  for (; c < columns.size() && columns[c] == ValueRange{low, low}; ++c) {
  }
  for (; c < columns.size() && columns[c] == ValueRange{low, high}; ++c) ++both;
  for (; c < columns.size() && columns[c] == ValueRange{high, high}; ++c) {
  }
  EXPECT_EQ(c, columns.size()) << "column " << c << " is neither";
  EXPECT_GE(both, 1u);
  EXPECT_LE(both, straddling);
}

TEST(Decimation, AStepStaysAStepInThePastAndInTheWindow) {
  Decimator d(2, {.window = 1024, .buckets = 512});
  const Millis end = static_cast<Millis>(k48Hours) * kCycle;
  const Millis old_step = end / 3;           // long since folded into buckets
  const Millis new_step = end - 10 * 60000;  // ten minutes ago, in the window
  for (Millis t = 0; t < end; t += kCycle) {
    const float values[] = {t <= old_step ? 20.0f : 80.0f, t <= new_step ? 0.0f : 1.0f};
    d.add(t, values);
  }
  // A bucket of the past is wider than a column of the whole run here.
  const Millis bucket = static_cast<Millis>(d.bucket_width()) * kCycle;
  expect_step(d.columns(0, 0, end, 1000), 20, 80, bucket / (end / 1000) + 2);
  expect_step(d.columns(1, end - 3'600'000, end, 900), 0, 1, 1);
}

TEST(Decimation, AGapIsAColumnWhosePointsHaveNoValueNotOneWithoutPoints) {
  Decimator d(1, {.window = 4, .buckets = 4});
  const float values[] = {1, NAN, NAN, 2, 3, NAN, 4, 5};
  for (Millis t = 0; t < 8; ++t) d.add(t, std::span(&values[t], 1));
  // Half of it in the past, in buckets of one point, half in the window.
  EXPECT_EQ(d.gaps(0, 0, 8, 8),
            (std::vector<bool>{false, true, true, false, false, true, false, false}));
  // Sixteen columns: every other one holds no point at all, which is no gap.
  const auto fine = d.gaps(0, 0, 8, 16);
  EXPECT_EQ(std::count(fine.begin(), fine.end(), true), 3);
  EXPECT_FALSE(fine[3]);

  // Merged with a neighbour that has a value, a gap of the past is gone: at
  // that resolution the column shows the value.
  const float six = 6;
  d.add(8, std::span(&six, 1));
  EXPECT_EQ(d.bucket_width(), 2u);
  EXPECT_EQ(d.gaps(0, 0, 9, 9),
            (std::vector<bool>{false, false, false, false, false, true, false, false, false}));
}

TEST(Decimation, MemoryStaysTheSameFromTheFirstHourToTheLast) {
  Decimator d(11);
  const std::size_t start = d.bytes();
  const float gap[11] = {NAN, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (std::size_t i = 0; i < k48Hours; ++i) {
    d.add(static_cast<Millis>(i) * kCycle, gap);
    if (i == kHour) {
      EXPECT_EQ(d.bytes(), start);
    }
  }
  EXPECT_EQ(d.bytes(), start);
  EXPECT_EQ(d.points(), k48Hours);
  EXPECT_LT(d.bytes(), 1u << 20);
  for (const auto& column : d.columns(0, 0, d.last_time() + 1, 100)) EXPECT_FALSE(column);
  EXPECT_EQ(d.columns(10, 0, d.last_time() + 1, 100).back(), (ValueRange{10, 10}));
}

}  // namespace
}  // namespace kolvar::chart
