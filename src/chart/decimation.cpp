#include "chart/decimation.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kolvar::chart {

using platform::Millis;

namespace {

// The column of n equal spans of [from, to) that time t falls in.
std::size_t column_of(Millis t, Millis from, Millis to, std::size_t n) {
  return static_cast<std::size_t>((t - from) * static_cast<Millis>(n) / (to - from));
}

}  // namespace

Decimator::Decimator(std::size_t channels, Limits limits) : channels_(channels), limits_(limits) {
  if (channels == 0 || limits.window == 0 || limits.buckets < 2 || limits.buckets % 2 != 0)
    throw std::invalid_argument("a decimator needs channels, a window and an even bucket count");
  // Everything is set aside at once, so memory does not grow with the run.
  times_.resize(limits.window);
  values_.resize(limits.window * channels);
  past_.first.resize(limits.buckets);
  past_.last.resize(limits.buckets);
  past_.count.resize(limits.buckets);
  past_.min.resize(limits.buckets * channels);
  past_.max.resize(limits.buckets * channels);
}

void Decimator::clear() {
  points_ = 0;
  width_ = 1;
  head_ = held_ = buckets_ = 0;
}

void Decimator::add(Millis time, std::span<const float> values) {
  if (values.size() != channels_) throw std::invalid_argument("one value per channel");
  if (held_ == limits_.window) retire_oldest();
  const std::size_t s = slot(held_++);
  times_[s] = time;
  std::copy(values.begin(), values.end(), values_.begin() + s * channels_);
  ++points_;
}

void Decimator::retire_oldest() {
  fold(times_[head_], &values_[head_ * channels_]);
  head_ = (head_ + 1) % limits_.window;
  --held_;
}

// std::fmin and std::fmax pass over NaN, so a gap never hides a value.
void Decimator::fold(Millis time, const float* values) {
  if (buckets_ > 0 && past_.count[buckets_ - 1] < width_) {
    const std::size_t b = buckets_ - 1;
    past_.last[b] = time;
    ++past_.count[b];
    for (std::size_t ch = 0; ch < channels_; ++ch) {
      float& lo = past_.min[b * channels_ + ch];
      float& hi = past_.max[b * channels_ + ch];
      lo = std::fmin(lo, values[ch]);
      hi = std::fmax(hi, values[ch]);
    }
    return;
  }
  if (buckets_ == limits_.buckets) compact();
  const std::size_t b = buckets_++;
  past_.first[b] = past_.last[b] = time;
  past_.count[b] = 1;
  std::copy(values, values + channels_, past_.min.begin() + b * channels_);
  std::copy(values, values + channels_, past_.max.begin() + b * channels_);
}

// Merges neighbours pairwise; every bucket is full when this runs.
void Decimator::compact() {
  for (std::size_t to = 0; to < buckets_ / 2; ++to) {
    const std::size_t a = 2 * to, b = a + 1;
    past_.first[to] = past_.first[a];
    past_.last[to] = past_.last[b];
    past_.count[to] = past_.count[a] + past_.count[b];
    for (std::size_t ch = 0; ch < channels_; ++ch) {
      past_.min[to * channels_ + ch] =
          std::fmin(past_.min[a * channels_ + ch], past_.min[b * channels_ + ch]);
      past_.max[to * channels_ + ch] =
          std::fmax(past_.max[a * channels_ + ch], past_.max[b * channels_ + ch]);
    }
  }
  buckets_ /= 2;
  width_ *= 2;
}

Millis Decimator::first_time() const {
  return buckets_ > 0 ? past_.first[0] : times_[head_];
}

Millis Decimator::last_time() const {
  return times_[slot(held_ - 1)];
}

std::size_t Decimator::bytes() const {
  return sizeof(*this) + times_.capacity() * sizeof(Millis) + values_.capacity() * sizeof(float) +
         (past_.first.capacity() + past_.last.capacity()) * sizeof(Millis) +
         past_.count.capacity() * sizeof(std::size_t) +
         (past_.min.capacity() + past_.max.capacity()) * sizeof(float);
}

template <class Visit>
void Decimator::each_range(std::size_t channel, Millis from, Millis to, Visit visit) const {
  // The past: from the first bucket that reaches `from`.
  auto begin = std::lower_bound(past_.last.begin(), past_.last.begin() + buckets_, from);
  for (auto b = static_cast<std::size_t>(begin - past_.last.begin());
       b < buckets_ && past_.first[b] < to; ++b) {
    visit(past_.first[b], past_.last[b], past_.min[b * channels_ + channel],
          past_.max[b * channels_ + channel]);
  }

  // The window, by its position in the ring.
  std::size_t lo = 0, hi = held_;
  while (lo < hi) {
    const std::size_t mid = (lo + hi) / 2;
    if (times_[slot(mid)] < from)
      lo = mid + 1;
    else
      hi = mid;
  }
  for (std::size_t i = lo; i < held_ && times_[slot(i)] < to; ++i) {
    const float v = values_[slot(i) * channels_ + channel];
    visit(times_[slot(i)], times_[slot(i)], v, v);
  }
}

std::vector<std::optional<ValueRange>> Decimator::columns(std::size_t channel, Millis from,
                                                          Millis to, std::size_t n) const {
  std::vector<std::optional<ValueRange>> out(n);
  if (n == 0 || to <= from || channel >= channels_) return out;
  auto column = [&](Millis t) { return column_of(t, from, to, n); };
  each_range(channel, from, to, [&](Millis first, Millis last, float lo, float hi) {
    if (std::isnan(lo)) return;
    const std::size_t c1 = column(std::min(last, to - 1));
    for (std::size_t c = column(std::max(first, from)); c <= c1; ++c) {
      if (!out[c]) out[c] = ValueRange{lo, hi};
      out[c]->min = std::min(out[c]->min, lo);
      out[c]->max = std::max(out[c]->max, hi);
    }
  });
  return out;
}

std::vector<bool> Decimator::gaps(std::size_t channel, Millis from, Millis to,
                                  std::size_t n) const {
  std::vector<bool> gap(n, false);
  if (n == 0 || to <= from || channel >= channels_) return gap;
  auto column = [&](Millis t) { return column_of(t, from, to, n); };
  std::vector<bool> valued(n, false);
  each_range(channel, from, to, [&](Millis first, Millis last, float lo, float) {
    const std::size_t c1 = column(std::min(last, to - 1));
    for (std::size_t c = column(std::max(first, from)); c <= c1; ++c)
      (std::isnan(lo) ? gap : valued)[c] = true;
  });
  for (std::size_t c = 0; c < n; ++c) gap[c] = gap[c] && !valued[c];
  return gap;
}

}  // namespace kolvar::chart
