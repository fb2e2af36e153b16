#pragma once
// The Windows checks that write files work in a fresh folder of their own,
// the working folder while they run, removed with everything in it after.
#include <filesystem>
#include <string>

#include "winview/win32.h"

namespace kolvar::windows_checks {

class FreshFolder {
 public:
  FreshFolder()
      : was_(std::filesystem::current_path()),
        path_(std::filesystem::temp_directory_path() /
              ("kolvar-check-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount64()))) {
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~FreshFolder() {
    std::error_code ec;
    std::filesystem::current_path(was_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  FreshFolder(const FreshFolder&) = delete;
  FreshFolder& operator=(const FreshFolder&) = delete;

 private:
  std::filesystem::path was_;
  std::filesystem::path path_;
};

// Hands every message waiting for this thread's windows to them.
inline void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace kolvar::windows_checks
