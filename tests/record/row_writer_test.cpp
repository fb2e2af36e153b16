// Rows written from a thread of their own: none lost, none out of order, and
// a disk that refuses them is told to the controller's thread once.
#include "record/row_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "record_rig.h"

namespace kolvar::record {
namespace {

TEST(RowWriter, EveryRowArrivesWholeAndInOrderEvenWhenDestroyedAtOnce) {
  kolvar::testing::TempFolder folder;
  const auto path = folder.path() / "rows.csv";
  std::string expected;
  {
    RowWriter writer(platform::AppendFile::create_new(path), false);
    for (int i = 0; i < 2000; ++i) {
      const std::string row = "row " + std::to_string(i) + "\r\n";
      writer.write(row);
      expected += row;
    }
  }  // no drain: the destructor owes the queued rows to the file
  EXPECT_EQ(testing::read_bytes(path), expected);
}

TEST(RowWriter, AFailureIsToldOnceAndWritingGoesOn) {
  RowWriter writer(platform::AppendFile::open("/dev/full"), true);
  writer.write("a\r\n");
  writer.write("b\r\n");
  writer.drain();
  const auto failure = writer.take_failure();
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure, std::errc::no_space_on_device);
  EXPECT_FALSE(writer.take_failure());
  writer.write("c\r\n");  // still takes rows, and still fails on its own thread
  writer.drain();
  EXPECT_TRUE(writer.idle());
}

TEST(RowWriter, ARunRecordedInTheBackgroundHoldsTheSameRows) {
  testing::RecordRig inline_rig;
  testing::RecordRig background_rig({.durable = true, .background = true});
  for (testing::RecordRig* rig : {&inline_rig, &background_rig}) {
    rig->click("Start_sys_button");
    rig->advance(10000);
    rig->click("Stop_sys_button");
    rig->record.flush();
  }
  const auto rows = testing::rows_of(inline_rig.files().at(0));
  EXPECT_EQ(rows.size(), 6u);
  EXPECT_EQ(testing::rows_of(background_rig.files().at(0)), rows);
  EXPECT_TRUE(background_rig.h.message_box.events.empty());
}

}  // namespace
}  // namespace kolvar::record
