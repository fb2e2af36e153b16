// A run killed at random moments: every row its record holds reads back.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>

#include "record_rig.h"

namespace kolvar::record {
namespace {

using testing::RecordRig;
using testing::rows_of;

// Runs cycles until killed, telling `progress` of each; the readings swing
// across the threshold, so every row carries a quoted, multi-line panel text.
[[noreturn]] void run_until_killed(RecordRig& rig, int progress) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  fcntl(progress, F_SETFL, O_NONBLOCK);  // a full pipe must not hold the run
  rig.click("Start_sys_button");
  for (int cycle = 0; cycle < 20000; ++cycle) {
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "10:%02d:%02d", cycle / 60 % 60, cycle % 60);
    rig.log(stamp, cycle % 2 ? "70.0" : "90.0");
    rig.advance(2000);
    if (write(progress, "c", 1) < 0) {
      // The parent is behind; it kills us all the same.
    }
  }
  _exit(0);
}

TEST(RecordKilled, EveryRowOfAKilledRunReadsBack) {
  std::mt19937 random(14);
  std::uniform_int_distribution<int> cycles_before_kill(1, 60);
  for (int round = 0; round < 60; ++round) {
    RecordRig rig;
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(progress[0]);
      run_until_killed(rig, progress[1]);
    }
    close(progress[1]);
    char byte = 0;
    const int cycles_done = cycles_before_kill(random);
    for (int n = 0; n < cycles_done; ++n) ASSERT_EQ(read(progress[0], &byte, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(progress[0]);

    // Every finished cycle's row is there, whole, and the rows follow each
    // other without a gap.
    std::vector<Sample> rows;
    bool torn = true;
    ASSERT_NO_THROW(rows = rows_of(rig.files().at(0), &torn)) << "round " << round;
    ASSERT_FALSE(torn) << "round " << round;
    ASSERT_GE(rows.size(), static_cast<std::size_t>(cycles_done)) << "round " << round;
    for (std::size_t i = 0; i < rows.size(); ++i)
      ASSERT_EQ(rows[i].since_start, 2000 * static_cast<platform::Millis>(i + 1)) << round;
  }
}

}  // namespace
}  // namespace kolvar::record
