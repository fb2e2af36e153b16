// Both ways between the model and the widgets, and what the window adds:
// boxes that do not block, the stop on closing, the port status line.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <fstream>

#include "desktop_rig.h"
#include "platform/failure.h"
#include "support/file_bytes.h"
#include "view/qt_locale.h"
#include "view/qt_sound.h"

namespace kolvar::view {
namespace {

using testing::DesktopRig;

class Binding : public DesktopRig {
 protected:
  Binding() { desktop.start(); }
  void trigger(const std::string& menu_item) { widget<QAction>(menu_item)->trigger(); }
  std::string settings_file() const { return kolvar::testing::read_bytes("mytunes.log"); }
};

TEST_F(Binding, AClickOnStartSwitchesTheCycleOn) {
  EXPECT_FALSE(control("Timer1").on());
  QTest::mouseClick(widget<QPushButton>("Start_sys_button"), Qt::LeftButton);
  EXPECT_TRUE(control("Timer1").on());
}

TEST_F(Binding, TypedTextIsSavedByApply) {
  trigger("settings");
  auto* box = widget<QLineEdit>("step_up");
  box->selectAll();
  QTest::keyClicks(box, "1250");
  EXPECT_EQ(control("step_up").text(), "1250");
  QTest::mouseClick(widget<QPushButton>("OK_set"), Qt::LeftButton);
  EXPECT_NE(settings_file().find("\r\n1250\r\n"), std::string::npos);
  EXPECT_TRUE(widget<QWidget>("F(4)")->isVisibleTo(desktop.window().canvas()));
}

TEST_F(Binding, AModelChangeShowsOnItsWidget) {
  control("News").set_text("СИСТЕМА ОСТАНОВЛЕНА\r\nПерегрев");
  EXPECT_EQ(widget<QPlainTextEdit>("News")->toPlainText(), "СИСТЕМА ОСТАНОВЛЕНА\nПерегрев");
  control("T(1)").set_back_color({255, 200, 200});
  EXPECT_EQ(widget<QLabel>("T(1)")->palette().color(QPalette::Window), QColor(255, 200, 200));
  control("pin(3)").set_text("1");
  EXPECT_EQ(widget<QLineEdit>("pin(3)")->text(), "1");
  trigger("par");
  EXPECT_TRUE(widget<QAction>("par")->isChecked());
  EXPECT_FALSE(widget<QAction>("liquid")->isChecked());
  control("T(3)").set_enabled(true);
  EXPECT_TRUE(widget<QLabel>("T(3)")->isEnabled());
}

// Start-up from an existing file left F(1) visible at the same corner:
// what the operator sees there is the panel in front.
TEST_F(Binding, ThePanelInFrontIsTheOneSeen) {
  QWidget* canvas = desktop.window().canvas();
  const QPoint inside(20, 60);
  control("F(1)").set_visible(true);
  control("F(1)").move(0, 0);
  auto seen = [&](const char* frame) {
    QWidget* w = canvas->childAt(inside);
    return w && (w == widget<QWidget>(frame) || widget<QWidget>(frame)->isAncestorOf(w));
  };
  EXPECT_TRUE(seen("F(4)"));
  control("F(1)").bring_to_front();
  EXPECT_TRUE(seen("F(1)"));
  control("F(4)").bring_to_front();
  EXPECT_TRUE(seen("F(4)"));
}

TEST_F(Binding, TimersRunWhileMessageBoxesStand) {
  trigger("verr");
  trigger("verr");
  EXPECT_EQ(boxes(), 2);
  QTest::mouseClick(widget<QPushButton>("Start_sys_button"), Qt::LeftButton);
  const auto writes = port1->writes().size();
  advance(2000);  // the first cycle
  EXPECT_GT(port1->writes().size(), writes);
  EXPECT_EQ(boxes(), 2);
}

// A window manager keeps a box above the window it is transient for; a box
// raised during start-up, before the window is shown, must name it too, and
// so waits until the window is on screen.
class Boxes : public DesktopRig {
 protected:
  QMessageBox* standing(const std::string& text_start) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (box && box->isVisible() && box->text().startsWith(QString::fromStdString(text_start)))
        return box;
    }
    return nullptr;
  }
  QMessageBox* shown(const std::string& text) {
    desktop.controller().os.message_box.show(text);
    return standing(text);
  }
  // What the window system has sent comes in, as in the event loop.
  static void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  void expect_owned_by_the_window(QMessageBox* box) {
    ASSERT_NE(box, nullptr);
    ASSERT_NE(desktop.window().windowHandle(), nullptr);
    EXPECT_EQ(box->windowHandle()->transientParent(), desktop.window().windowHandle());
    EXPECT_EQ(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
              desktop.window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  }
};

TEST_F(Boxes, ABoxBeforeTheWindowIsShownWaitsForItAndIsTransientForIt) {
  EXPECT_EQ(shown("LPT driver error"), nullptr) << "no box before the window";
  desktop.start();
  settle();
  expect_owned_by_the_window(standing("LPT driver error"));
}

// Start-up raises the box and only then puts the window on top.
TEST_F(Boxes, ThePortBoxOfStartUpStandsOnTopOwnedByTheWindow) {
  port1->set_mode(platform::FakePort::Mode::Fails);
  port2->set_mode(platform::FakePort::Mode::Missing);
  desktop.start();
  settle();
  QMessageBox* box = standing("LPT driver error");
  expect_owned_by_the_window(box);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(boxes(), 1);
}

TEST_F(Boxes, ABoxAboveTheStartedWindowIsOnTopAsTheWindowIs) {
  desktop.start();
  EXPECT_TRUE(desktop.window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  expect_owned_by_the_window(shown("Перегрев"));
}

TEST_F(Binding, ClosingWhileTheCycleRunsLeavesTheStopImage) {
  trigger("ss(3)");  // the system-stop output on data pin 4
  QTest::mouseClick(widget<QPushButton>("Start_sys_button"), Qt::LeftButton);
  EXPECT_EQ(port1->writes().back().byte, 0);
  desktop.window().close();
  EXPECT_FALSE(control("Timer1").on());
  EXPECT_EQ(port1->writes().back().byte, 1 << 2);
  EXPECT_EQ(control("News").text().rfind("СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем", 0),
            0u);
}

TEST_F(Binding, ClosingWhileStoppedWritesNothing) {
  const auto writes = port1->writes().size();
  desktop.end();
  EXPECT_EQ(port1->writes().size(), writes);
}

TEST_F(Binding, TheStatusLineNamesThePortOrSaysNothingReachesTheColumn) {
  EXPECT_EQ(desktop.window().status(), "Выходы колонны: /dev/parport0");
  port1->set_mode(platform::FakePort::Mode::Fails);
  port2->set_mode(platform::FakePort::Mode::Missing);
  QTest::mouseClick(widget<QPushButton>("Start_sys_button"), Qt::LeftButton);
  EXPECT_EQ(desktop.window().status(), "Выходы не доходят до колонны: порт недоступен");
}

TEST(DesktopServices, DecimalSeparatorFollowsTheLocale) {
  EXPECT_EQ(decimal_separator_of(QLocale(QLocale::Russian, QLocale::Russia)), ',');
  EXPECT_EQ(decimal_separator_of(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
}

TEST(DesktopServices, AStopSoundThatCannotPlayIsAFailure) {
  kolvar::testing::TempFolder folder;
  std::ofstream(folder.file("junk.wav")) << "not a sound";
  QtSound sound({});
  for (const auto& file : {folder.file("missing.wav"), folder.file("junk.wav")})
    EXPECT_THROW(sound.play(file.string()), kolvar::Failure) << file;
}

}  // namespace
}  // namespace kolvar::view
