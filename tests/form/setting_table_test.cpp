// The settings table against the window it starts, and against itself.
#include "form/setting_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "form/form.h"
#include "form/virtual_clock.h"
#include "form/window_layout.h"

namespace kolvar::form {
namespace {

class SettingTable : public ::testing::Test {
 protected:
  SettingTable() { build_window(form); }
  VirtualClock clock;
  Form form{clock};
};

std::string full_name(const Setting& s, int index) {
  std::string name(s.control.text());
  return index == kNoIndex ? name : name + "(" + std::to_string(index) + ")";
}

TEST_F(SettingTable, TheFreshWindowHoldsEverySettingAsTheTableDeclaresIt) {
  for (const Setting& s : kSettings) {
    for (int k = 0; k < s.count; ++k) {
      const int index = s.index_at(k);
      SCOPED_TRACE(full_name(s, index));
      const Control* control = form.find(s.control.text(), index);
      ASSERT_NE(control, nullptr);
      ASSERT_EQ(control->kind(), s.kind);
      switch (s.kind) {
        case Kind::Menu:
          EXPECT_EQ(control->checked(), s.initial_value(index) != 0);
          break;
        case Kind::CheckBox:
          EXPECT_EQ(control->value(), s.initial_value(index));
          break;
        case Kind::ScrollBar:
          EXPECT_EQ(control->value(), s.initial_value(index));
          EXPECT_EQ(control->min(), s.top);
          EXPECT_EQ(control->max(), s.bottom);
          break;
        default:
          EXPECT_EQ(control->text(), s.text);
          break;
      }
    }
  }
}

// An array is persisted whole or not at all: the window has no element that
// the table leaves out.
TEST_F(SettingTable, ArraysOfTheWindowHaveExactlyTheTablesIndices) {
  for (const Setting& s : kSettings) {
    std::vector<int> declared;
    for (int k = 0; s.first != kNoIndex && k < s.count; ++k) declared.push_back(s.index_at(k));
    std::vector<int> built = form.indices(s.control.text());
    std::sort(built.begin(), built.end());
    EXPECT_EQ(built, declared) << s.control.text();
  }
}

TEST(SettingTableRows, DeclareEachControlOnceWithValuesTheirControlsAccept) {
  std::set<std::string_view> names;
  for (const Setting& s : kSettings) {
    SCOPED_TRACE(std::string(s.control.text()));
    EXPECT_TRUE(names.insert(s.control.text()).second) << "declared twice";
    ASSERT_TRUE(s.first == kNoIndex ? s.count == 1 : s.count >= 1);
    ASSERT_LE(s.count, kMaxSettingArray);
    const bool text = s.kind == Kind::TextBox || s.kind == Kind::Label;
    // Values past the array's end are a list one too long.
    for (int k = text ? 0 : s.count; k < kMaxSettingArray; ++k) EXPECT_EQ(s.values[k], 0) << k;
    auto accepted = [&](int value) {
      if (s.kind == Kind::ScrollBar)
        return value >= std::min(s.top, s.bottom) && value <= std::max(s.top, s.bottom);
      return value == 0 || value == 1;
    };
    for (int k = 0; !text && k < s.count; ++k) EXPECT_TRUE(accepted(s.values[k])) << k;
    if (s.restored) {
      EXPECT_EQ(s.first, kNoIndex) << "the defaults command restores single controls";
      EXPECT_NE(s.kind, Kind::Menu);
      if (!text) {
        EXPECT_TRUE(accepted(s.default_value()));
      }
    }
    if (s.other_default) {
      EXPECT_TRUE(s.restored && !text);
      EXPECT_NE(*s.other_default, s.values[0]) << "an own default that equals the initial value";
    }
    EXPECT_FALSE(s.meaning.empty());
    EXPECT_EQ(s.meaning.find_first_of("\r\n|"), std::string_view::npos);
  }
}

TEST(SettingTableRows, FindTheRowOfEveryElementAndOfNothingElse) {
  EXPECT_EQ(find_setting(ctl::V, 5)->control, ctl::V);
  EXPECT_EQ(find_setting(ctl::V, 6), nullptr);
  EXPECT_EQ(find_setting(ctl::V, 0), nullptr);
  EXPECT_EQ(find_setting(ctl::V), nullptr);
  EXPECT_EQ(find_setting(ctl::LogPath, 1)->control, ctl::LogPath);
  EXPECT_EQ(find_setting(ctl::hot, 1), nullptr);
  EXPECT_EQ(find_setting(ctl::pulse_time), nullptr);
  EXPECT_THROW(setting_of(ctl::pin, 0), std::logic_error);
  EXPECT_EQ(setting_of(ctl::V, 2).initial_value(2), 770);
}

}  // namespace
}  // namespace kolvar::form
