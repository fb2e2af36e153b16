#include "platform/time/wall_clock.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace kolvar::platform {

namespace chr = std::chrono;

namespace {

struct CalendarFields {
  int year, month, day, hour, minute, second;
};

CalendarFields calendar_fields(LocalTime time) {
  const chr::local_days day = chr::floor<chr::days>(time);
  const chr::year_month_day date{day};
  const chr::hh_mm_ss clock{time - day};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

std::string formatted(LocalTime time, const char* format) {
  const CalendarFields p = calendar_fields(time);
  char text[64];
  std::snprintf(text, sizeof text, format, p.year, p.month, p.day, p.hour, p.minute, p.second);
  return text;
}

LocalTime local_time(int year, int month, int day, int hour, int minute, int second) {
  const chr::year_month_day date{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                 chr::day{static_cast<unsigned>(day)}};
  return chr::local_days{date} + chr::hours{hour} + chr::minutes{minute} + chr::seconds{second};
}

}  // namespace

LocalTime SystemWallClock::now() const {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  return local_time(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
}

LocalTime FollowingWallClock::now() const {
  return start_ + chr::floor<chr::seconds>(chr::milliseconds{clock_.now()});
}

std::string date_time_text(LocalTime time) {
  return formatted(time, "%04d-%02d-%02d %02d:%02d:%02d");
}

std::string file_stamp(LocalTime time) {
  return formatted(time, "%04d-%02d-%02d_%02d-%02d-%02d");
}

std::optional<LocalTime> parse_date_time(std::string_view text) {
  // Digits at fixed places: YYYY-MM-DD HH:MM:SS.
  static constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
  if (text.size() != kShape.size()) return std::nullopt;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return std::nullopt;
  }
  auto number = [&](std::size_t at, std::size_t width) {
    int v = 0;
    std::from_chars(text.data() + at, text.data() + at + width, v);
    return v;
  };
  const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
  const chr::year_month_day date{chr::year{number(0, 4)},
                                 chr::month{static_cast<unsigned>(number(5, 2))},
                                 chr::day{static_cast<unsigned>(number(8, 2))}};
  if (!date.ok() || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  return local_time(number(0, 4), number(5, 2), number(8, 2), hour, minute, second);
}

}  // namespace kolvar::platform
