// A record that cannot be written: one message box per run, and the control
// goes on as if nothing had happened.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "record_rig.h"

namespace kolvar::record {
namespace {

using testing::RecordRig;
using testing::rows_of;

// The cycle went on: it took a new reading and the timer still runs.
void expect_cycles_go_on(RecordRig& rig) {
  rig.log("10:00:30", "70.5");
  rig.advance(2000);
  EXPECT_EQ(rig.c().form.get("T", 1).text(), "70.5");
  EXPECT_TRUE(rig.c().form.get("Timer1").on());
}

std::size_t boxes(RecordRig& rig) {
  return rig.h.message_box.events.size();
}

TEST(RecordFaults, AFolderThatCannotBeMadeGivesOneBoxPerRun) {
  RecordRig rig;
  std::ofstream("runs") << "a file where the folder should be";
  rig.click("Start_sys_button");
  rig.advance(10000);
  ASSERT_EQ(boxes(rig), 1u);
  EXPECT_EQ(rig.h.message_box.events[0].text,
            "Не удалось записать ход работы в \"runs/2024-03-05_10-00-00.csv\": в пути есть файл "
            "вместо папки. Управление продолжается.");
  expect_cycles_go_on(rig);
  rig.click("Start_sys_button");
  rig.advance(10000);
  EXPECT_EQ(boxes(rig), 2u) << "a new run tries again and says so again";
}

TEST(RecordFaults, AFullDiskGivesOneBoxAndLeavesNoFile) {
  RecordRig rig({.durable = true, .create = [](const std::filesystem::path&) {
                   return platform::AppendFile::open("/dev/full");
                 }});
  rig.click("Start_sys_button");
  rig.advance(10000);
  ASSERT_EQ(boxes(rig), 1u);
  EXPECT_NE(rig.h.message_box.events[0].text.find("нет места на диске"), std::string::npos);
  EXPECT_TRUE(rig.files().empty());
  expect_cycles_go_on(rig);
}

// The disk fills up during the run: a file size limit lets the system take
// part of a row, then refuse. Set in a child, since it binds the whole process.
TEST(RecordFaults, ADiskThatFillsDuringTheRunLeavesOnlyWholeRows) {
  RecordRig rig;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rig.click("Start_sys_button");
    const rlim_t room = std::filesystem::file_size(rig.record.file()) + 250;  // two rows and a bit
    rlimit limit{room, RLIM_INFINITY};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(10);
    for (int cycle = 0; cycle < 10; ++cycle) {
      rig.log("10:00:" + std::to_string(10 + cycle), cycle % 2 ? "70.0" : "90.0");
      rig.advance(2000);
    }
    const bool went_on =
        rig.c().form.get("T", 1).text() == "70.0" && rig.c().form.get("Timer1").on();
    _exit(boxes(rig) == 1 && went_on ? 0 : 11);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "10: no limit; 11: not one box, or the cycle stopped";
  bool torn = true;
  const auto rows = rows_of(rig.files().at(0), &torn);
  EXPECT_FALSE(torn);
  EXPECT_GE(rows.size(), 1u);
  EXPECT_LT(rows.size(), 10u);
}

}  // namespace
}  // namespace kolvar::record
