// The whole window at a scale the operator chooses with keys: every widget,
// its text and the status line grow together, the model's twips stay as
// they are, the timers go on, and the next start finds the choice again.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "desk/scale_steps.h"
#include "desktop_rig.h"
#include "view/scale_memory.h"

namespace kolvar::view {
namespace {

using testing::DesktopRig;

// Where each widget of the form stands, the window's size and its text.
struct Look {
  std::map<std::string, QRect> places;
  QSize window;
  double points = 0;
  int status_height = 0;
  bool operator==(const Look&) const = default;
};

class WindowScale : public DesktopRig {
 protected:
  WindowScale() {
    desktop.start();
    QApplication::setActiveWindow(&window());  // the keys belong to the active window
  }
  MainWindow& window() { return desktop.window(); }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
    QTest::keyClick(&window(), k, m);
  }
  QLabel* status_label() { return window().statusBar()->findChild<QLabel*>(); }
  Look look() {
    Look l;
    for (const auto& c : desktop.controller().form.controls()) {
      auto* w = qobject_cast<QWidget*>(window().view().object_of(*c));
      if (w && !qobject_cast<QMenu*>(w)) l.places[c->full_name()] = w->geometry();
    }
    l.window = window().size();
    l.points = widget<QLabel>("T(1)")->font().pointSizeF();
    l.status_height = window().statusBar()->height();
    return l;
  }
  // Another start of the program, in the same working and configuration folders.
  std::unique_ptr<Desktop> next_start() {
    return std::unique_ptr<Desktop>(
        new Desktop({[](const platform::Clock& clock) {
                       return platform::DefaultPorts{
                           std::make_unique<platform::FakePort>(clock, "/dev/parport0"),
                           std::make_unique<platform::FakePort>(clock, "0x378")};
                     },
                     [this] { return monotonic; }}));
  }
  void write_scale_file(const std::string& content) {
    std::filesystem::create_directories(
        std::filesystem::path(scale_file_path().toStdString()).parent_path());
    std::ofstream(scale_file_path().toStdString(), std::ios::binary) << content;
  }
};

TEST_F(WindowScale, EachKeyTakesItsStepAndIsRemembered) {
  struct Case {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int from;
    int to;
  };
  for (const Case& c : {
           Case{"Ctrl++", Qt::Key_Plus, Qt::ControlModifier, 100, 125},
           Case{"Ctrl+= as browsers take it", Qt::Key_Equal, Qt::ControlModifier, 125, 150},
           Case{"Ctrl++ on the keypad", Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 175,
                200},
           Case{"Ctrl++ at the largest step", Qt::Key_Plus, Qt::ControlModifier, 300, 300},
           Case{"Ctrl+-", Qt::Key_Minus, Qt::ControlModifier, 150, 125},
           Case{"Ctrl+- on the keypad", Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier,
                250, 200},
           Case{"Ctrl+- at 100 %", Qt::Key_Minus, Qt::ControlModifier, 100, 100},
           Case{"Ctrl+0", Qt::Key_0, Qt::ControlModifier, 250, 100},
           Case{"Ctrl+0 on the keypad", Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier, 150,
                100},
           Case{"+ alone is typing, not scaling", Qt::Key_Plus, Qt::NoModifier, 150, 150},
       }) {
    window().set_scale(c.from);
    remember_scale(c.from);
    key(c.key, c.modifiers);
    EXPECT_EQ(window().scale(), c.to) << c.what;
    EXPECT_EQ(remembered_scale(), c.to) << c.what;
  }
}

TEST_F(WindowScale, CtrlPlusTwiceMakesTheWindowAtLeast1Point4TimesAsWide) {
  const int width = window().frameGeometry().width();
  key(Qt::Key_Plus);
  key(Qt::Key_Plus);
  EXPECT_GE(window().frameGeometry().width(), 1.4 * width);
}

TEST_F(WindowScale, CtrlZeroReturnsToTheExactGeometryOf100Percent) {
  const Look normal = look();
  for (Qt::Key k : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus}) key(k);
  ASSERT_EQ(window().scale(), 150);
  EXPECT_NE(look(), normal);
  key(Qt::Key_0);
  EXPECT_EQ(look(), normal);
}

TEST_F(WindowScale, At200PercentEveryPlaceAndFontIsTwiceThatAt100) {
  const Look normal = look();
  window().set_scale(200);
  const Look doubled = look();
  int placed = 0;
  for (const auto& [name, at100] : normal.places) {
    const QRect at200 = doubled.places.at(name);
    EXPECT_NEAR(at200.left(), 2 * at100.left(), 1) << name;
    EXPECT_NEAR(at200.top(), 2 * at100.top(), 1) << name;
    const form::Control& c = control(name);
    if (c.width() > 0 && c.height() > 0) {  // the others take their text's natural size
      EXPECT_NEAR(at200.width(), 2 * at100.width(), 1) << name;
      EXPECT_NEAR(at200.height(), 2 * at100.height(), 1) << name;
      ++placed;
    }
  }
  EXPECT_GT(placed, 100);
  EXPECT_DOUBLE_EQ(doubled.points, 2 * normal.points);
  EXPECT_DOUBLE_EQ(status_label()->font().pointSizeF(), 2 * normal.points)
      << "the port status line grows with the form";
  EXPECT_GT(doubled.status_height, normal.status_height);
  const int form_width = window().view().px(control("Form1").width());
  const int form_height = window().view().px(control("Form1").height());
  EXPECT_NEAR(form_width, 2 * normal.window.width(), 1);
  EXPECT_EQ(doubled.window, QSize(form_width, form_height + doubled.status_height));
  for (QMenu* menu : window().menuBar()->findChildren<QMenu*>())
    EXPECT_GE(menu->font().pointSizeF(), 2 * normal.points) << menu->title().toStdString();
}

TEST_F(WindowScale, AWindowThatGrowsPastTheScreensEdgeMovesBackIn) {
  const QRect room = window().screen()->availableGeometry();
  window().move(room.right() - window().width(), room.bottom() - window().height());
  window().set_scale(175);
  EXPECT_TRUE(room.contains(window().frameGeometry())) << "the screen has room for 175 %";
  window().set_scale(300);
  EXPECT_EQ(window().frameGeometry().topLeft(), room.topLeft()) << "too large: the top left shows";
  window().set_scale(100);
  EXPECT_EQ(window().frameGeometry().topLeft(), room.topLeft()) << "a smaller window stays put";
}

TEST_F(WindowScale, TheModelsTwipsStayWhileAMenuSizesTheWindowAtTheScale) {
  auto twips = [this] {
    std::map<std::string, std::array<int, 4>> all;
    for (const auto& c : desktop.controller().form.controls())
      all[c->full_name()] = {c->left(), c->top(), c->width(), c->height()};
    return all;
  };
  const auto before = twips();
  for (int step : desk::kScaleSteps) window().set_scale(step);
  key(Qt::Key_0);
  window().set_scale(250);
  EXPECT_EQ(twips(), before);

  // The settings panel's size in twips, shown at 250 %.
  desktop.act([this] { desktop.controller().click(control("settings")); });
  EXPECT_EQ(control("Form1").width(), 8385);
  EXPECT_EQ(window().width(), window().view().px(8385));
  EXPECT_NEAR(window().width(), 8385 / 15.0 * 2.5, 1) << "at 96 dots per inch";
}

TEST_F(WindowScale, TheTimersRunOnWhileTheWindowIsScaled) {
  desktop.act([this] { desktop.controller().click(control("Start_sys_button")); });
  ASSERT_TRUE(control("Timer1").on());
  const auto due = desktop.driver().next_due();
  const auto writes = port1->writes().size();
  key(Qt::Key_Plus);
  key(Qt::Key_Plus);
  EXPECT_TRUE(control("Timer1").on());
  EXPECT_EQ(desktop.driver().next_due(), due) << "scaling moves no timer";
  advance(2000);  // the first cycle
  EXPECT_GT(port1->writes().size(), writes);
  key(Qt::Key_0);
  const auto after_first = port1->writes().size();
  advance(2000);
  EXPECT_GT(port1->writes().size(), after_first);
  EXPECT_TRUE(window().isVisible());
  EXPECT_TRUE(window().windowFlags().testFlag(Qt::WindowStaysOnTopHint))
      << "the window stays above the others at every scale";
}

TEST_F(WindowScale, TheNextStartFindsTheChosenScale) {
  key(Qt::Key_Plus);
  key(Qt::Key_Plus);
  EXPECT_EQ(next_start()->window().scale(), 150);
  window().set_scale(250);  // the program's own change, not the operator's
  EXPECT_EQ(next_start()->window().scale(), 150);
  key(Qt::Key_0);
  EXPECT_EQ(next_start()->window().scale(), 100);
}

// What the file may hold is the desk's to read (tests/desk); here, that the
// window falls back on the first start's choice and reads our own file.
TEST_F(WindowScale, ABrokenRememberedScaleGivesTheFirstStartsChoice) {
  std::filesystem::remove(scale_file_path().toStdString());
  const int first_start = next_start()->window().scale();
  write_scale_file("scale=130");
  EXPECT_EQ(next_start()->window().scale(), first_start);
  write_scale_file("# the window\r\n\r\n  scale = 175 \r\n");
  EXPECT_EQ(next_start()->window().scale(), 175);
}

TEST_F(WindowScale, AFolderThatCannotBeWrittenLeavesTheScaleUnrememberedAndTheWindowWorking) {
  std::filesystem::remove(scale_file_path().toStdString());
  std::filesystem::create_directories(scale_file_path().toStdString());  // no file can go there
  key(Qt::Key_Plus);
  EXPECT_EQ(window().scale(), 125);
  EXPECT_EQ(remembered_scale(), std::nullopt);
}

// A first start makes the window's text as large as the desktop's, unless
// the window would then not fit the screen.
class FirstStartWindow : public WindowScale {
 protected:
  FirstStartWindow() { std::filesystem::remove(scale_file_path().toStdString()); }
  ~FirstStartWindow() override { QApplication::setFont(desktop_font_); }
  int started_with(double desktop_points) {
    QFont font = desktop_font_;
    font.setPointSizeF(desktop_points);
    QApplication::setFont(font);
    return next_start()->window().scale();
  }
  const QFont desktop_font_ = QApplication::font();
};

TEST_F(FirstStartWindow, PicksTheSmallestStepWhoseTextReachesTheDesktops) {
  EXPECT_EQ(started_with(8), 100);
  EXPECT_EQ(started_with(9), 125);
  EXPECT_EQ(started_with(11), 150);
  EXPECT_EQ(remembered_scale(), std::nullopt) << "only the operator's choice is remembered";
}

TEST_F(FirstStartWindow, NeverSoLargeThatTheWindowWouldNotFitTheScreen) {
  const int room = window().screen()->availableGeometry().height();
  ASSERT_GT(desk::scaled(window().height(), 300), room) << "a screen too small for 300 %";
  // 24 points would ask for 300 %.
  const int scale = started_with(24);
  const auto window = next_start();
  EXPECT_LT(scale, 300);
  EXPECT_LE(window->window().height(), room);
}

}  // namespace
}  // namespace kolvar::view
