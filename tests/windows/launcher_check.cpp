// Starts programs as the controller starts the logger: a path with a blank is
// one program, not a command line; one that is not there is a failure saying
// so.
#include <string>

#include "check.h"
#include "platform/failure.h"
#include "platform/processes/windows_launcher.h"

namespace {

// The failure text of a start, or "" when the program was started.
std::string start_failure(const std::string& path) {
  try {
    kolvar::platform::WindowsLauncher().start(path);
    return "";
  } catch (const kolvar::Failure& f) {
    return f.what();
  }
}

}  // namespace

int main() {
  CHECK(start_failure("exits at once.exe").empty());
  CHECK(start_failure("exits.exe") ==
        "Не удалось запустить программу: exits.exe (файл или папка не найдены)");
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
