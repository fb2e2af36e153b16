#include "sim/logger_writer.h"

namespace kolvar::sim {

namespace {

namespace layout = platform::log_line;

void two_digits(std::string& out, long value) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

}  // namespace

LoggerWriter::LoggerWriter(const LoggerSettings& settings)
    : path_(settings.log_path),
      columns_(settings.columns),
      clock_start_(settings.clock_start_seconds),
      width_(kLogColumns),
      noise_(settings.noise_celsius),
      generator_(settings.seed) {
  while (width_ > 0 && columns_[width_ - 1] == Probe::None) --width_;
  line_.reserve(layout::kUsedCharacters);
  open();
}

LoggerWriter::~LoggerWriter() {
  reopen();
}

void LoggerWriter::open() {
  file_ = std::fopen(path_.c_str(), "ab");
}

void LoggerWriter::reopen() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  lost_ = false;
}

void LoggerWriter::lose_file() {
  // Closed first: a file held open cannot be deleted everywhere.
  reopen();
  std::remove(path_.c_str());
  lost_ = true;
}

void LoggerWriter::write(platform::Millis at, const std::array<double, kLogColumns>& celsius,
                         const std::array<SensorFault, kLogColumns>& faults,
                         const LineFaults& faulty) {
  const long seconds = (clock_start_ + at / 1000) % 86400;
  line_.clear();
  two_digits(line_, seconds / 3600);
  line_ += ':';
  two_digits(line_, seconds / 60 % 60);
  line_ += ':';
  two_digits(line_, seconds % 60);
  const std::size_t stamp_end = line_.size();
  for (int k = 0; k < width_; ++k) {
    // Every column draws its noise, so faults do not shift the others' sequence.
    double reading = sensor_reading(celsius[k], noise_ * generator_.next());
    SensorFault fault = columns_[k] == Probe::None ? SensorFault::Blank : faults[k];
    if (fault == SensorFault::Frozen) {
      // The reading the sensor had when it stopped converting.
      if (!frozen_[k]) frozen_[k] = last_[k].value_or(reading);
      reading = *frozen_[k];
      fault = SensorFault::None;
    } else {
      frozen_[k].reset();
    }
    if (fault == SensorFault::None) last_[k] = reading;
    char field[kFieldWidth];
    format_field(field, reading, fault, faulty.comma ? ',' : '.');
    line_ += layout::kSeparator;
    line_.append(field, kFieldWidth);
  }
  if (faulty.frozen && !readings_.empty()) {
    line_.replace(stamp_end, std::string::npos, readings_);
  } else {
    readings_.assign(line_, stamp_end);
  }
  if (faulty.garbage) line_ = kGarbageLine;

  if (lost_) return;
  if (file_ == nullptr) open();
  if (file_ == nullptr) return;
  std::fwrite(line_.data(), 1, line_.size(), file_);
  std::fwrite(layout::kLineEnd.data(), 1, layout::kLineEnd.size(), file_);
  std::fflush(file_);
  ++lines_;
}

}  // namespace kolvar::sim
