#pragma once
// Tests that touch files work in a fresh folder of their own, removed with
// everything in it afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace kolvar::testing {

class TempFolder {
 public:
  // A fresh folder in the system's temporary folder, or in `base`.
  explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
    static std::atomic<int> counter{0};
    path_ = base / ("kolvar-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) +
                    "-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directory(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }

  // Every name in the folder, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      result.push_back(entry.path().filename().string());
    }
    std::sort(result.begin(), result.end());
    return result;
  }

 private:
  std::filesystem::path path_;
};

// A tmpfs where there is one, for tests that write and flush many files:
// the system's temporary folder otherwise.
inline std::filesystem::path memory_temp_directory() {
  std::error_code ec;
  return std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                       : std::filesystem::temp_directory_path();
}

// Works in the folder for its life and returns to where it was.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::filesystem::path& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~WorkingFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
  }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

// A test fixture that runs in a fresh folder, so the controller's
// "mytunes.log" and any log it reads are the test's own.
class InFreshFolder : public ::testing::Test {
 protected:
  TempFolder folder;
  WorkingFolder working{folder.path()};
};

}  // namespace kolvar::testing
