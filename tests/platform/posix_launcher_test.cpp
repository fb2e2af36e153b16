#include "platform/processes/posix_launcher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/failure.h"
#include "script_rig.h"

namespace kolvar::platform {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

using PosixLauncherTest = testing::ScriptRig;

TEST_F(PosixLauncherTest, StartsAPathWithBlanksAsOneProgram) {
  const fs::path marker = dir_ / "marker";
  const fs::path program = make_script(dir_ / "temp keeper" / "keeper -x", marker);
  PosixLauncher launcher;
  launcher.start(program.string());
  EXPECT_EQ(wait_for(marker), program.string() + "\n");  // no arguments after $0
}

TEST_F(PosixLauncherTest, ShellCharactersAreNeverInterpreted) {
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

TEST_F(PosixLauncherTest, MissingOrNotExecutableProgramFailsNamingIt) {
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

}  // namespace
}  // namespace kolvar::platform
