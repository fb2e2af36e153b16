// The arithmetic and checks that both windows share: twips to pixels, the
// scroll bars' mapping, a role's read-error look, the stop sound's file check.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "desk/role_look.h"
#include "desk/scroll_map.h"
#include "desk/twips.h"
#include "desk/wave_file.h"
#include "form/form.h"
#include "platform/time/manual_clock.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::desk {
namespace {

TEST(Twips, AreRoundedToTheNearestPixelAtTheResolution) {
  struct Case {
    int twips;
    double dpi;
    int pixels;
  };
  for (const Case& c : {Case{1440, 96, 96}, Case{15, 96, 1}, Case{4185, 96, 279},
                        Case{5605, 96, 374}, Case{4185, 120, 349}, Case{4185, 144, 419},
                        Case{7, 96, 0}, Case{8, 96, 1}, Case{0, 192, 0}})
    EXPECT_EQ(pixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}

TEST(ScrollMap, ABarWithItsLargerValueAtTheTopRunsNegatedAndBack) {
  platform::ManualClock clock;
  form::Form form(clock);
  form::Control& down = form.add("V", 1, form::Kind::ScrollBar).init_range(1000, 200, 880);
  form::Control& up = form.add("W", form::kNoIndex, form::Kind::ScrollBar).init_range(0, 100, 5);
  EXPECT_EQ(bar_minimum(down), -1000);
  EXPECT_EQ(bar_maximum(down), -200);
  EXPECT_EQ(bar_position(down, 880), -880);
  EXPECT_EQ(model_value(down, -1000), 1000);
  EXPECT_EQ(bar_minimum(up), 0);
  EXPECT_EQ(bar_maximum(up), 100);
  for (int v : {0, 5, 100}) EXPECT_EQ(model_value(up, bar_position(up, v)), v);
  for (int v : {200, 880, 1000}) EXPECT_EQ(model_value(down, bar_position(down, v)), v);
}

TEST(RoleLook, OnlyARoleThatTakesPartAndReadsNoTemperatureLooksLikeAReadError) {
  ui::Headless rig;
  form::Controller& c = rig.controller;
  form::Control& t1 = c.form.get("T", 1);
  form::Control& t2_1 = c.form.get("T2", 1);
  t1.set_enabled(true);
  t1.set_back_color({255, 200, 200});
  const Colours own{{255, 200, 200}, t1.fore_color()};
  const Colours error{kReadErrorBack, kReadErrorFore};
  for (const char* text : {"-127.00", "0", "", "---", "-30.5"}) {
    t1.set_text(text);
    EXPECT_EQ(shown_colours(c, t1), error) << text;
    t2_1.set_text(text);
    EXPECT_EQ(shown_colours(c, t2_1), (Colours{t2_1.back_color(), t2_1.fore_color()}))
        << "a threshold is never a reading";
  }
  for (const char* text : {"78.31", "85.00", "-30", "55"}) {
    t1.set_text(text);
    EXPECT_EQ(shown_colours(c, t1), own) << text;
  }
  t1.set_text("-127.00");
  t1.set_enabled(false);
  EXPECT_EQ(shown_colours(c, t1), own) << "a role that takes no part";

  EXPECT_TRUE(changes_look(t1, form::Prop::Text));
  EXPECT_TRUE(changes_look(t1, form::Prop::Enabled));
  EXPECT_FALSE(changes_look(t2_1, form::Prop::Text));
  EXPECT_TRUE(changes_look(t2_1, form::Prop::BackColor));
}

TEST(WaveFile, OnlyARiffWaveHeaderCounts) {
  kolvar::testing::TempFolder folder;
  auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(folder.file(name), std::ios::binary) << bytes;
    return folder.file(name);
  };
  EXPECT_TRUE(is_wave_file(write("stop.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16))));
  EXPECT_FALSE(is_wave_file(folder.file("missing.wav")));
  EXPECT_FALSE(is_wave_file(write("empty.wav", "")));
  EXPECT_FALSE(is_wave_file(write("short.wav", "RIFF1234WAV")));
  EXPECT_FALSE(is_wave_file(write("avi.wav", "RIFF1234AVI LIST")));
  EXPECT_FALSE(is_wave_file(write("mp3.wav", "ID3 an mp3 in disguise")));
  EXPECT_FALSE(is_wave_file(folder.path()));  // a folder
}

}  // namespace
}  // namespace kolvar::desk
