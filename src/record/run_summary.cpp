#include "record/run_summary.h"

#include <algorithm>
#include <chrono>

#include "core/cooldown.h"
#include "core/system_stop.h"

namespace kolvar::record {

namespace {

constexpr double kWholeShare = 100000;  // thousandths of a percent

// How much of the time up to the next row the valve stood open, 0 to 1.
double open_part(const Sample& s) {
  if (s.takeoff == Takeoff::Pwm && s.share)
    return std::clamp(static_cast<double>(*s.share) / kWholeShare, 0.0, 1.0);
  return s.valve_open.value_or(false) ? 1.0 : 0.0;
}

}  // namespace

void SummaryBuilder::add(const Sample& s) {
  if (!summary_.start)
    summary_.start =
        s.wall - std::chrono::seconds(std::max<platform::Millis>(0, s.since_start) / 1000);
  if (last_)
    summary_.valve_open += static_cast<platform::Millis>(
        open_part(*last_) *
            static_cast<double>(std::max<platform::Millis>(0, s.since_start - last_->since_start)) +
        0.5);
  const bool open = open_part(s) > 0;
  if (open && !summary_.first_open) summary_.first_open = s.since_start;
  if (s.degrees[2])
    summary_.tank_max = std::max(summary_.tank_max.value_or(*s.degrees[2]), *s.degrees[2]);
  if (open && s.degrees[0]) head_open_.push_back(*s.degrees[0]);
  if (std::ranges::any_of(s.read_error, [](bool e) { return e; })) ++summary_.read_errors;
  summary_.duration = std::max(summary_.duration, s.since_start);
  ++summary_.rows;
  last_ = s;
}

RunSummary SummaryBuilder::finish(bool cut) const {
  RunSummary s = summary_;
  s.cut = cut;
  if (last_) {
    if (auto reason = stop_reason_of(last_->news)) {
      s.stopped = true;
      s.stop_reason = *reason;
    }
  }
  if (!head_open_.empty()) {
    std::vector<double> v = head_open_;
    const std::size_t mid = v.size() / 2;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(mid), v.end());
    double median = v[mid];
    if (v.size() % 2 == 0)
      median =
          (median + *std::max_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(mid))) / 2;
    s.head_median_takeoff = median;
  }
  return s;
}

std::optional<std::string> stop_reason_of(const std::string& news) {
  // The heading opens the panel; a line before it would be a message that
  // came between the stop and the row, and the reason still follows it.
  std::size_t at = news.find(core::kStoppedHeading);
  while (at != std::string::npos && at != 0 && news[at - 1] != '\n')
    at = news.find(core::kStoppedHeading, at + 1);
  if (at == std::string::npos) return std::nullopt;
  std::string reason;
  at += core::kStoppedHeading.size();
  while (at < news.size()) {
    std::size_t end = news.find('\n', at);
    if (end == std::string::npos) end = news.size();
    std::string line = news.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.starts_with(core::kCooldownLinePrefix)) continue;
    if (!reason.empty()) reason += ", ";
    reason += line;
  }
  return reason;
}

}  // namespace kolvar::record
