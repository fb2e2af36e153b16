#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "platform/failure.h"
#include "platform/player_sound.h"
#include "platform/posix_launcher.h"

namespace kolvar::platform {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kolvar-launch-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A script that writes its arguments ($0 first) to the marker, which
  // appears whole or not at all.
  fs::path make_script(const fs::path& path, const fs::path& marker) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "#!/bin/sh\n"
                        << "echo \"$0\" \"$@\" > '" << marker.string() << ".part'\n"
                        << "mv '" << marker.string() << ".part' '" << marker.string() << "'\n";
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
    return path;
  }

  // The program runs on its own; this bounded poll is the only wait.
  static std::string wait_for(const fs::path& marker) {
    for (int i = 0; i < 1000 && !fs::exists(marker); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(marker);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
};

TEST_F(LauncherTest, StartsAPathWithBlanksAsOneProgram) {
  const fs::path marker = dir_ / "marker";
  const fs::path program = make_script(dir_ / "temp keeper" / "keeper -x", marker);
  PosixLauncher launcher;
  launcher.start(program.string());
  EXPECT_EQ(wait_for(marker), program.string() + "\n");  // no arguments after $0
}

TEST_F(LauncherTest, ShellCharactersAreNeverInterpreted) {
  const std::string pwned = (dir_ / "pwned").string();
  make_script(dir_ / "x", dir_ / "marker");
  PosixLauncher launcher;
  for (const std::string& path : {"x; touch " + pwned, "x && touch " + pwned,
                                  "$(touch " + pwned + ")", "`touch " + pwned + "`"}) {
    EXPECT_THROW(launcher.start((dir_ / path).string()), Failure) << path;
  }
  EXPECT_FALSE(fs::exists(pwned));
  EXPECT_FALSE(fs::exists(dir_ / "marker"));
}

TEST_F(LauncherTest, MissingOrNotExecutableProgramFailsNamingIt) {
  const fs::path plain = dir_ / "plain file";
  std::ofstream(plain) << "#!/bin/sh\n";
  PosixLauncher launcher;
  for (const fs::path& path : {dir_ / "missing keeper", plain}) {
    try {
      launcher.start(path.string());
      ADD_FAILURE() << "no failure for " << path;
    } catch (const Failure& failure) {
      EXPECT_THAT(failure.what(), HasSubstr("Не удалось запустить программу: " + path.string()));
    }
  }
}

TEST_F(LauncherTest, SoundRunsThePlayerQuietlyOnTheFile) {
  const fs::path marker = dir_ / "marker";
  PlayerSound sound(make_script(dir_ / "player", marker).string());
  sound.play("stop.wav");
  EXPECT_EQ(wait_for(marker), (dir_ / "player").string() + " -q stop.wav\n");
}

TEST_F(LauncherTest, SoundFailsWhenThePlayerCannotStart) {
  PlayerSound sound("kolvar-no-such-player");
  EXPECT_THROW(sound.play("stop.wav"), Failure);
}

}  // namespace
}  // namespace kolvar::platform
