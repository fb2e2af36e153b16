// The logger's Windows parts in process: the one-copy lock, the append of a
// line while another program reads the log, and where the files are.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "check.h"
#include "logger/host.h"
#include "logger/instance_lock.h"
#include "logger/log_append.h"
#include "logger/logger_setup.h"
#include "logger/usage_error.h"

namespace {

namespace fs = std::filesystem;
using namespace kolvar::logger;

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A lock is held per open file, so a second take in this process stands for
// a second copy of the program. The holder's id stays readable while it
// holds the lock (Windows locks keep others from reading locked bytes).
void one_copy_holds_the_lock(const fs::path& folder) {
  const fs::path lock_path = lock_path_for(folder / "temperatures.log");
  CHECK(lock_path.filename() == "temperatures.log.lock");
  {
    auto first = InstanceLock::try_take(lock_path);
    CHECK(first.has_value());
    CHECK(!InstanceLock::try_take(lock_path).has_value());
    CHECK(InstanceLock::recorded_holder(lock_path) == static_cast<long>(GetCurrentProcessId()));
    // Moving the lock keeps it held.
    auto moved = std::move(*first);
    first.reset();
    CHECK(!InstanceLock::try_take(lock_path).has_value());
  }
  // Let go with its holder: the next copy takes it.
  CHECK(InstanceLock::try_take(lock_path).has_value());
  CHECK(InstanceLock::recorded_holder(folder / "no such.lock") == 0);
}

void lines_go_on_while_the_log_is_read_or_deleted(const fs::path& folder) {
  const fs::path log = folder / "temperatures.log";
  append_line(log, "10:00:00 21.500\r\n");
  // Kolvar holds the log open while it reads the last line.
  HANDLE reader =
      CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  CHECK(reader != INVALID_HANDLE_VALUE);
  append_line(log, "10:00:01 21.562\r\n");
  CloseHandle(reader);
  CHECK(contents(log) == "10:00:00 21.500\r\n10:00:01 21.562\r\n");
  // The operator empties the log by deleting it: the next line starts it anew.
  fs::remove(log);
  append_line(log, "10:00:02\r\n");
  CHECK(contents(log) == "10:00:02\r\n");

  bool refused = false;
  try {
    append_line(folder / "no such folder" / "t.log", "10:00:03\r\n");
  } catch (const std::system_error& error) {
    refused = std::string(error.what()).find("no such folder") != std::string::npos;
  }
  CHECK(refused);
}

void files_are_in_documents_kolvar() {
  const fs::path config = default_config_path();
  const fs::path log = default_log_path();
  CHECK(config.filename() == "logger.conf");
  CHECK(log.filename() == "temperatures.log");
  CHECK(config.parent_path() == log.parent_path());
  CHECK(config.parent_path().filename() == "Kolvar");
  CHECK(config.is_absolute());
}

void a_stop_not_asked_is_not_seen() {
  StopRequests stop;
  CHECK(!stop.wait(0));
  CHECK(!stop.wait(1));
}

// Sensor ids alone name 1-Wire files, which Windows does not have: the start
// says what to use instead rather than write blank lines for ever. Beside a
// serial port the same ids name a board's pairs.
void sensor_files_are_said_to_be_absent() {
  Config config;
  config.sensor[0] = "28-0000075a1b2c";
  Options options;
  std::string said;
  try {
    resolve_setup(config, options);
  } catch (const UsageError& error) {
    said = error.what();
  }
  CHECK(said.find("--serial COM3") != std::string::npos);
  options.serial = SerialSetting{"COM3", 9600};
  CHECK(!resolve_setup(config, options).sysfs);
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const fs::path folder =
      fs::path(temp) / ("kolvar-logger-check-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(folder);
  one_copy_holds_the_lock(folder);
  lines_go_on_while_the_log_is_read_or_deleted(folder);
  files_are_in_documents_kolvar();
  a_stop_not_asked_is_not_seen();
  sensor_files_are_said_to_be_absent();
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
