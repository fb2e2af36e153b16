#pragma once
// The simulated temperature logger's output: one line per poll appended to
// its log file, in the fixed columns the controller reads
// (platform/log_line_layout.h: time stamp in characters 1 to 8, sensor k in
// characters 10k to 10k + 8, blanks between, CR LF at the end). The file is kept open and flushed
// after every line, as a logger that another program reads while it writes would do.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/log_line_layout.h"
#include "platform/time/clock.h"
#include "sim/sensor_reading.h"

namespace kolvar::sim {

inline constexpr int kLogColumns = platform::log_line::kSensors;

// What each of the logger's sensors is fixed to.
enum class Probe { None, Dephlegmator, Packing, Tank, CoolerOutlet, Room };

struct LoggerSettings {
  std::string log_path = "keeper.log";
  // Starting this program (through the plant as launcher) restarts the logger.
  std::string program_path = "C:\\Program Files\\Temp. Keeper\\TempKeeper.exe";
  platform::Millis poll_ms = 1000;
  // The logger's time of day at plant time 0, seconds after midnight.
  int clock_start_seconds = 9 * 3600;
  // Sensor k of the line is columns[k - 1]. Trailing None columns are left
  // off the line; one in between is a blank field.
  std::array<Probe, kLogColumns> columns{Probe::Dephlegmator, Probe::Packing, Probe::Tank,
                                         Probe::CoolerOutlet, Probe::Room};
  std::uint32_t seed = 1;
  double noise_celsius = 0.03;  // spread of the sensors' noise
};

class LoggerWriter {
 public:
  explicit LoggerWriter(const LoggerSettings& settings);
  ~LoggerWriter();
  LoggerWriter(const LoggerWriter&) = delete;
  LoggerWriter& operator=(const LoggerWriter&) = delete;

  // Appends the line for time `at`; celsius[k] is the true temperature at
  // the probe of column k + 1. A file that cannot be opened gets nothing.
  void write(platform::Millis at, const std::array<double, kLogColumns>& celsius,
             const std::array<SensorFault, kLogColumns>& faults);
  // Closes the file; the next line opens it again (a restarted logger finds
  // its file anew, even one that was removed meanwhile).
  void reopen();

  long lines() const { return lines_; }
  bool writing() const { return file_ != nullptr; }
  // The last line written, without its line end.
  const std::string& last_line() const { return line_; }

 private:
  void open();

  std::string path_;
  std::array<Probe, kLogColumns> columns_;
  int clock_start_;
  int width_;  // columns on the line
  double noise_;
  SensorNoise generator_;
  std::FILE* file_ = nullptr;
  std::string line_;
  long lines_ = 0;
};

}  // namespace kolvar::sim
