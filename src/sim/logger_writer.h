#pragma once
// The simulated temperature logger's output: one line per poll appended to
// its log file, in the fixed columns the controller reads
// (platform/log_line_layout.h: time stamp in characters 1 to 8, sensor k in
// characters 10k to 10k + 8, blanks between, CR LF at the end). The file is kept open and flushed
// after every line, as a logger that another program reads while it writes would do.
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

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

// How the logger itself misbehaves, beside its sensors.
struct LineFaults {
  bool garbage = false;  // kGarbageLine in place of the line
  bool comma = false;    // a decimal comma in the readings
  bool frozen = false;   // the previous line's readings under a fresh time stamp
};

// What a logger that has lost its way writes in place of a line: no time
// stamp, no readings.
inline constexpr std::string_view kGarbageLine = "Sensor bus error: no answer";

class LoggerWriter {
 public:
  explicit LoggerWriter(const LoggerSettings& settings);
  ~LoggerWriter();
  LoggerWriter(const LoggerWriter&) = delete;
  LoggerWriter& operator=(const LoggerWriter&) = delete;

  // Appends the line for time `at`; celsius[k] is the true temperature at
  // the probe of column k + 1. A file that cannot be opened gets nothing.
  void write(platform::Millis at, const std::array<double, kLogColumns>& celsius,
             const std::array<SensorFault, kLogColumns>& faults, const LineFaults& line = {});
  // Closes the file; the next line opens it again (a restarted logger finds
  // its file anew, even one that was removed meanwhile).
  void reopen();
  // The file is deleted under the logger: its lines go where nobody reads
  // them until reopen().
  void lose_file();
  bool lost_file() const { return lost_; }

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
  bool lost_ = false;
  // The reading each column last wrote, and the one a frozen sensor keeps.
  std::array<std::optional<double>, kLogColumns> last_{};
  std::array<std::optional<double>, kLogColumns> frozen_{};
  std::string line_;
  // The readings of the last line of readings, from the first separator on.
  std::string readings_;
  long lines_ = 0;
};

}  // namespace kolvar::sim
