#pragma once
// What the plot shows of one run, fed with the run record's samples: the
// channels of every sample through a bounded decimator, the valve's open
// periods, and the stop that ended the run with its reason. Memory stays the
// same whether the run lasts an hour or two days.
#include <optional>
#include <string>
#include <vector>

#include "chart/decimation.h"
#include "chart/open_periods.h"
#include "platform/time/clock.h"
#include "record/sample.h"

namespace kolvar::chart {

struct Stop {
  platform::Millis time;
  std::string reason;  // the message panel's text at the end of the run
  bool operator==(const Stop&) const = default;
};

class PlotModel {
 public:
  PlotModel();
  explicit PlotModel(Decimator::Limits limits);

  // A new run: what was shown of the last one goes.
  void start(const std::vector<std::string>& settings);
  void add(const record::Sample& sample);
  // The run ended with its last sample.
  void stop();

  bool empty() const { return points_.empty(); }
  const Decimator& points() const { return points_; }
  const std::vector<Period>& open_periods() const { return open_.periods(); }
  const std::optional<Stop>& stopped() const { return stop_; }
  const std::vector<std::string>& settings() const { return settings_; }
  // The time between the last two samples (the cycle), 0 before there are two.
  platform::Millis cycle() const { return cycle_; }

 private:
  Decimator points_;
  OpenPeriods open_;
  std::optional<Stop> stop_;
  std::vector<std::string> settings_;
  std::string news_;
  platform::Millis cycle_ = 0;
};

}  // namespace kolvar::chart
