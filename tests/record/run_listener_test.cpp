// What follows the runs through the record (the live plot, a web page): told
// of each start, row and stop while it listens, and nothing after it left.
#include "record/run_listener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_rig.h"

namespace kolvar::record {
namespace {

using testing::RecordRig;

class Log final : public RunListener {
 public:
  void run_started(const std::vector<std::string>& settings) override {
    events.push_back("start " + std::to_string(settings.size()));
  }
  void sample_taken(const Sample& s) override {
    events.push_back("row " + std::to_string(s.since_start) + " " +
                     (s.degrees[0] ? std::to_string(*s.degrees[0]) : "-") + " " +
                     (s.degrees[2] ? std::to_string(*s.degrees[2]) : "-"));
  }
  void run_stopped() override { events.push_back("stop"); }

  std::vector<std::string> events;
};

TEST(RunRecord, TellsItsListenersOfEachStartRowAndStopUntilTheyLeave) {
  RecordRig rig;
  Log log;
  rig.record.subscribe(log);
  rig.record.subscribe(log);  // once is enough
  rig.advance(3000);
  rig.click("Start_sys_button");
  rig.advance(4000);
  rig.click("Stop_sys_button");
  // The rows carry the temperatures as numbers; the tank takes no part.
  const std::vector<std::string> run = {"start 114", "row 2000 88.300000 -", "row 4000 88.300000 -",
                                        "row 4000 88.300000 -", "stop"};
  EXPECT_EQ(log.events, run);

  rig.record.unsubscribe(log);
  rig.click("Start_sys_button");
  rig.advance(4000);
  rig.click("Stop_sys_button");
  EXPECT_EQ(log.events, run) << "nothing after it left";
  EXPECT_EQ(rig.files().size(), 2u) << "the record goes on without listeners";
}

}  // namespace
}  // namespace kolvar::record
