#include "logger/logger_loop.h"

#include <algorithm>
#include <utility>

namespace kolvar::logger {

LoggerLoop::LoggerLoop(std::vector<std::unique_ptr<Source>> sources, platform::Millis interval_ms,
                       platform::Millis timeout_ms, platform::Millis first_line_at)
    : sources_(std::move(sources)),
      interval_ms_(interval_ms),
      board_(timeout_ms),
      due_(first_line_at) {}

std::optional<std::string> LoggerLoop::line_if_due(platform::Millis now, const TimeOfDay& time) {
  if (now < due_) return std::nullopt;
  for (const auto& source : sources_) source->before_line(board_, now);
  // On time (or late by less than an interval) the lines keep their beat;
  // later than that (a machine that slept) the beat starts again here
  // rather than catching up with a burst of lines.
  due_ += interval_ms_;
  if (due_ <= now) due_ = now + interval_ms_;
  return format_line(time, board_.values(now));
}

int LoggerLoop::listen(platform::Millis now) {
  const platform::Millis until_line = std::max<platform::Millis>(due_ - now, 0);
  bool listening = false;
  for (const auto& source : sources_) listening = listening || source->listens();
  if (!listening) return static_cast<int>(until_line);
  int wait_ms = static_cast<int>(std::min<platform::Millis>(until_line, kListenSliceMs));
  for (const auto& source : sources_) {
    if (!source->listens()) continue;
    // One source waits for its input; the others only look.
    const int own = source->waits() ? std::exchange(wait_ms, 0) : 0;
    source->take(board_, now, own);
  }
  return wait_ms;
}

}  // namespace kolvar::logger
