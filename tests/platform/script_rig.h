#pragma once
// A folder of small shell scripts that a started program runs: each writes
// its arguments to a marker file, which a test then reads.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::platform::testing {

class ScriptRig : public ::testing::Test {
 protected:
  // A script that writes its arguments ($0 first) to the marker, which
  // appears whole or not at all.
  std::filesystem::path make_script(const std::filesystem::path& path,
                                    const std::filesystem::path& marker) {
    namespace fs = std::filesystem;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "#!/bin/sh\n"
                        << "echo \"$0\" \"$@\" > '" << marker.string() << ".part'\n"
                        << "mv '" << marker.string() << ".part' '" << marker.string() << "'\n";
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
    return path;
  }

  // The program runs on its own; this bounded poll is the only wait.
  static std::string wait_for(const std::filesystem::path& marker) {
    for (int i = 0; i < 1000 && !std::filesystem::exists(marker); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return kolvar::testing::read_bytes(marker);
  }

  kolvar::testing::TempFolder folder_;
  const std::filesystem::path dir_ = folder_.path();
};

}  // namespace kolvar::platform::testing
