// The windows' scale: its steps, the choice at a first start, the keys and
// the file that keeps it between starts.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "desk/scale_file.h"
#include "desk/scale_keys.h"
#include "desk/scale_steps.h"
#include "support/temp_folder.h"

namespace kolvar::desk {
namespace {

TEST(ScaleSteps, RunFrom100To300AndStopAtTheirEnds) {
  struct Case {
    int now;
    int larger;
    int smaller;
  };
  for (const Case& c :
       {Case{100, 125, 100}, Case{125, 150, 100}, Case{150, 175, 125}, Case{175, 200, 150},
        Case{200, 250, 175}, Case{250, 300, 200}, Case{300, 300, 250},
        // Between or beyond the steps: the nearest step in that direction.
        Case{130, 150, 125}, Case{50, 100, 100}, Case{400, 300, 300}}) {
    EXPECT_EQ(larger_scale(c.now), c.larger) << c.now;
    EXPECT_EQ(smaller_scale(c.now), c.smaller) << c.now;
  }
  EXPECT_EQ(kScaleSteps.front(), 100);
  EXPECT_EQ(kScaleSteps.back(), 300);
  for (int bad : {0, -100, 99, 101, 120, 301, 1000}) EXPECT_FALSE(is_scale_step(bad)) << bad;
}

TEST(ScaleSteps, TwoStepsUpFrom100PercentMakeTheWindowAtLeast1Point4TimesAsWide) {
  // The main panel is 279 pixels wide at 100 %; a window manager's border of
  // a few pixels does not grow with it.
  const int to = larger_scale(larger_scale(kNormalScale));
  EXPECT_GE((scaled(279, to) + 4) / (279 + 4.0), 1.4);
}

TEST(ScaleSteps, LengthsScaleRoundedToTheNearestPixel) {
  EXPECT_EQ(scaled(279, 100), 279);
  EXPECT_EQ(scaled(279, 200), 558);
  EXPECT_EQ(scaled(279, 125), 349);  // 348.75
  EXPECT_EQ(scaled(3, 250), 8);      // 7.5 rounds up
}

TEST(FirstStart, TheSmallestStepWhoseTextReachesTheDesktopsThatFitsTheScreen) {
  struct Case {
    const char* what;
    double desktop_points;
    int room_width;
    int room_height;
    int scale;
  };
  // An 8-point window of 279 × 394 pixels; a frame of 10 × 40.
  for (const Case& c : {
           Case{"desktop text as small as the window's", 8, 1920, 1080, 100},
           Case{"desktop text smaller", 6, 1920, 1080, 100},
           Case{"9 points, as without a desktop", 9, 1920, 1080, 125},
           Case{"10 points, as KDE, is reached exactly at 125 %", 10, 1920, 1080, 125},
           Case{"11 points, as GNOME", 11, 1920, 1080, 150},
           Case{"16 points wants 200 % and has the room", 16, 1920, 1080, 200},
           Case{"16 points on a laptop's 768 lines less a panel", 16, 1366, 740, 175},
           Case{"huge text: the largest step, if it fits", 40, 3840, 2100, 300},
           Case{"huge text on a small screen", 40, 1024, 600, 125},
           Case{"a narrow screen counts as a low one does", 40, 700, 2100, 200},
           Case{"a screen too small even at 100 %", 16, 200, 200, 100},
           Case{"no screen known: text alone decides", 16, 0, 0, 200},
           Case{"no desktop font known", 0, 1920, 1080, 100},
       }) {
    FirstStartFacts facts{c.desktop_points, 8, 279, 394, 10, 40, c.room_width, c.room_height};
    EXPECT_EQ(first_start_scale(facts), c.scale) << c.what;
  }
  EXPECT_EQ(first_start_scale({16, 0, 279, 394, 10, 40, 1920, 1080}), 100)
      << "no size known for the window's own text";
}

TEST(ScaleKeys, CtrlWithTheirCharactersStepAsBrowsersDo) {
  struct Case {
    char key;
    int from;
    std::optional<int> to;
  };
  for (const Case& c :
       {Case{'+', 100, 125}, Case{'=', 125, 150}, Case{'+', 300, 300}, Case{'-', 150, 125},
        Case{'-', 100, 100}, Case{'0', 250, 100}, Case{'9', 150, std::nullopt},
        Case{'a', 150, std::nullopt}, Case{'_', 150, std::nullopt}}) {
    EXPECT_EQ(scale_for_key(c.key, c.from), c.to) << c.key << " from " << c.from;
  }
  // Every key the windows listen to does something.
  for (char key : scale_keys()) EXPECT_TRUE(scale_for_key(key, 150)) << key;
  EXPECT_EQ(scale_keys().size(), 4u);
}

class ScaleFile : public ::testing::Test {
 protected:
  void write(const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  }
  kolvar::testing::TempFolder folder;
  std::filesystem::path path = folder.file("kolvar") / "window.conf";
};

TEST_F(ScaleFile, WhatIsWrittenReadsBackAndReplacesTheLast) {
  EXPECT_EQ(read_scale_file(path), std::nullopt) << "no file yet";
  ASSERT_TRUE(write_scale_file(path, 175)) << "its folder is made";
  EXPECT_EQ(read_scale_file(path), 175);
  ASSERT_TRUE(write_scale_file(path, 100));
  EXPECT_EQ(read_scale_file(path), 100);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"kolvar"});
  std::ifstream in(path, std::ios::binary);
  const std::string content{std::istreambuf_iterator<char>(in), {}};
  EXPECT_NE(content.find("\nscale=100\n"), std::string::npos) << content;
}

TEST_F(ScaleFile, AnythingButOneOfTheStepsIsNoScale) {
  std::filesystem::create_directories(path.parent_path());
  for (const char* content :
       {"", "scale=", "scale=abc", "scale=130", "scale=120", "scale=99999999999999999",
        "scale=-100", "scale=0", "scale=200 percent", "\x01\xff\xfe\n", "scale\n=200",
        "[General]\nscale=1e2\n", "width=200\n", "scale=200%"}) {
    write(content);
    EXPECT_EQ(read_scale_file(path), std::nullopt) << content;
  }
  write(std::string(8192, '#') + "\nscale=200\n");
  EXPECT_EQ(read_scale_file(path), std::nullopt) << "a file far longer than ours";
  // Ours, with a comment, blanks and Windows line ends, reads back.
  write("# the window\r\n\r\n  scale = 175 \r\n");
  EXPECT_EQ(read_scale_file(path), 175);
}

TEST_F(ScaleFile, NoRegularFileThereIsNoScaleAndCannotBeWritten) {
  std::filesystem::create_directories(path);  // a folder where the file should be
  EXPECT_EQ(read_scale_file(path), std::nullopt);
  EXPECT_FALSE(write_scale_file(path, 150));
  std::filesystem::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);  // would never open for reading
  EXPECT_EQ(read_scale_file(path), std::nullopt);
}

TEST_F(ScaleFile, AFolderThatCannotBeMadeLeavesTheScaleUnwritten) {
  write_scale_file(folder.file("plain"), 100);  // a file where the folder should be
  EXPECT_FALSE(write_scale_file(folder.file("plain") / "window.conf", 150));
}

}  // namespace
}  // namespace kolvar::desk
