#pragma once
// Points for the screen: the minimum and maximum per pixel column, from memory
// that does not grow with the run. The latest points are kept as they came
// (the full-resolution window); older ones are folded into buckets that keep
// the minimum and maximum of each channel, and when the buckets run out,
// neighbours merge pairwise, halving the resolution of the past. No extreme is
// ever dropped: a bucket's range is that of every point it took.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "platform/time/clock.h"

namespace kolvar::chart {

struct ValueRange {
  float min;
  float max;
  bool operator==(const ValueRange&) const = default;
};

class Decimator {
 public:
  struct Limits {
    std::size_t window = 1024;   // latest points kept whole
    std::size_t buckets = 2048;  // buckets for everything older; even
  };

  Decimator(std::size_t channels, Limits limits);
  explicit Decimator(std::size_t channels) : Decimator(channels, Limits{}) {}

  // Adds a point (one value per channel; NaN is a gap in its channel). Time
  // never goes back.
  void add(platform::Millis time, std::span<const float> values);
  void clear();

  // The minimum and maximum of one channel in each of `columns` equal spans
  // of [from, to); none where the channel has no value. A bucket that
  // straddles columns counts in each of them.
  std::vector<std::optional<ValueRange>> columns(std::size_t channel, platform::Millis from,
                                                 platform::Millis to, std::size_t columns) const;

  // Which of the same columns hold points of the channel but none with a
  // value: a gap the points mark (a reading that was no temperature), told
  // from a column that no point falls in (a zoom finer than the points).
  std::vector<bool> gaps(std::size_t channel, platform::Millis from, platform::Millis to,
                         std::size_t columns) const;

  std::size_t points() const { return points_; }
  bool empty() const { return points_ == 0; }
  // The times of the oldest and the latest point; only when not empty.
  platform::Millis first_time() const;
  platform::Millis last_time() const;
  // How many points one bucket of the past holds now.
  std::size_t bucket_width() const { return width_; }
  // Memory held, which stays the same from the first point on.
  std::size_t bytes() const;

 private:
  // Buckets of the past in time order: their span of time, how many points
  // each took, and each channel's range ([bucket * channels + channel]).
  struct Buckets {
    std::vector<platform::Millis> first, last;
    std::vector<std::size_t> count;
    std::vector<float> min, max;
  };

  // Calls visit(first, last, min, max) for each bucket and each point of the
  // window that reaches into [from, to), in time order; min and max are NaN
  // where none of its points had a value for the channel.
  template <class Visit>
  void each_range(std::size_t channel, platform::Millis from, platform::Millis to,
                  Visit visit) const;
  void retire_oldest();
  void fold(platform::Millis time, const float* values);
  std::size_t slot(std::size_t i) const { return (head_ + i) % limits_.window; }
  void compact();

  std::size_t channels_;
  Limits limits_;
  std::size_t points_ = 0;
  std::size_t width_ = 1;
  // The window: a ring of the latest points.
  std::vector<platform::Millis> times_;
  std::vector<float> values_;  // [slot * channels + channel]
  std::size_t head_ = 0, held_ = 0;
  // The past, in buckets of up to width_ points each.
  Buckets past_;
  std::size_t buckets_ = 0;
};

}  // namespace kolvar::chart
