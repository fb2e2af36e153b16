#include "chart/record_file.h"

#include <cerrno>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "chart/record_reader.h"
#include "platform/system_reason.h"

namespace kolvar::chart {

LoadedRecord load_record(std::istream& in, PlotModel& model) {
  RecordReader reader(in);
  model.start(reader.settings());
  LoadedRecord loaded;
  while (auto sample = reader.next()) {
    if (!loaded.started) loaded.started = sample->wall;
    model.add(*sample);
    ++loaded.samples;
  }
  if (in.bad()) throw std::runtime_error("the file could not be read to its end");
  loaded.torn = reader.torn();
  if (!loaded.torn) model.stop();
  return loaded;
}

LoadedRecord load_record(const std::filesystem::path& file, PlotModel& model) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) throw std::runtime_error("a folder, not a record");
  std::ifstream in(file, std::ios::binary);
  if (!in)
    throw std::runtime_error(
        platform::system_reason(std::error_code(errno, std::generic_category())));
  return load_record(in, model);
}

}  // namespace kolvar::chart
