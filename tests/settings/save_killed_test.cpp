// Saves from the window, killed at random moments: the settings file is then
// always whole, with the values of one save or another, never a mix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "settings/save.h"
#include "settings/settings_write.h"
#include "settings_rig.h"

namespace kolvar::settings {
namespace {

using testing::SettingsRig;
using testing::with_crlf;

void set_values(form::Controller& c, bool first) {
  c.c(ctl::step_up).set_text(first ? "1111" : "2222222");
  c.c(ctl::V, 1).set_value(first ? 300 : 400);
  c.c(ctl::ss, 8).set_checked(first);
}

std::string content_of(bool first) {
  ui::Headless h;
  set_values(h.controller, first);
  return with_crlf(settings_file_lines(h.controller));
}

// Saves the two contents by turns until killed; bounded in case no kill comes.
// Tells the parent through `ready` when the window exists and saving begins.
[[noreturn]] void save_by_turns(int ready) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  ui::Headless h;
  if (write(ready, "r", 1) != 1) _exit(1);
  for (int i = 0; i < 100000; ++i) {
    set_values(h.controller, i % 2 == 0);
    OK_Click(h.controller);
  }
  _exit(0);
}

TEST(SaveKilled, TheFileHoldsTheValuesOfOneWholeSave) {
  SettingsRig rig;
  OK_Click(rig.c());
  const std::string initial = rig.bytes();
  const std::string first = content_of(true);
  const std::string second = content_of(false);

  std::mt19937 random(11);
  std::uniform_int_distribution<int> delay_us(0, 4000);
  int saw_a_save = 0;
  for (int round = 0; round < 150; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) save_by_turns(ready[1]);
    close(ready[1]);
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string bytes = rig.bytes();
    ASSERT_TRUE(bytes == initial || bytes == first || bytes == second)
        << "round " << round << ": " << bytes.size() << " bytes";
    saw_a_save += bytes != initial;
  }
  // The kills did land while saves went on, or the test proved nothing.
  EXPECT_GT(saw_a_save, 0);
}

}  // namespace
}  // namespace kolvar::settings
