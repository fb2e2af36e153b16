// The windows beside the main window, on the offscreen platform: shown once
// the main window is on screen, beside its frame; following it until the
// operator moves them. Moves made here, not by the companions, stand for the
// operator's and the window manager's.
#include "view/companions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <memory>

namespace kolvar::view {
namespace {

Box frame_of(const QWidget& w) {
  const QRect r = w.frameGeometry();
  return {r.left(), r.top(), r.width(), r.height()};
}

class CompanionsTest : public ::testing::Test {
 protected:
  CompanionsTest() {
    main.setFixedSize(200, 300);
    main.move(40, 30);
    for (QWidget* w : {&sim, &plot}) w->setAttribute(Qt::WA_QuitOnClose, false);
    sim.resize(150, 250);
    plot.resize(300, 200);
    beside.add(sim);
    beside.add(plot);
  }

  // Runs what the window system has sent, as the event loop would; no time
  // passes.
  static void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  void show_main() {
    main.show();
    settle();
    ASSERT_TRUE(main.windowHandle()->isExposed());
  }
  // Frames never overlap, and each companion stands on the screen.
  void expect_apart() {
    const Box screen = [] {
      const QRect r = QGuiApplication::primaryScreen()->availableGeometry();
      return Box{r.left(), r.top(), r.width(), r.height()};
    }();
    EXPECT_FALSE(frame_of(main).overlaps(frame_of(sim)));
    EXPECT_FALSE(frame_of(main).overlaps(frame_of(plot)));
    EXPECT_FALSE(frame_of(sim).overlaps(frame_of(plot)));
    EXPECT_TRUE(frame_of(sim).inside(screen));
    EXPECT_TRUE(frame_of(plot).inside(screen));
  }

  QWidget main;
  QWidget sim;
  QWidget plot;
  Companions beside{main};
};

TEST_F(CompanionsTest, ShowsTheCompanionsBesideTheMainWindowOnceItIsOnScreen) {
  settle();
  EXPECT_FALSE(sim.isVisible()) << "not before the main window";
  EXPECT_FALSE(plot.isVisible());
  show_main();
  ASSERT_TRUE(sim.isVisible());
  ASSERT_TRUE(plot.isVisible());
  ASSERT_NE(main.frameGeometry(), main.geometry()) << "frames to keep apart, not insides";
  // To the right of the main window's frame, level with it; the plot beside
  // the simulator's window.
  EXPECT_EQ(sim.frameGeometry().left(), main.frameGeometry().right() + 1 + kCompanionGap);
  EXPECT_EQ(sim.frameGeometry().top(), main.frameGeometry().top());
  expect_apart();
  EXPECT_TRUE(beside.follows(sim));
  EXPECT_TRUE(beside.follows(plot));
}

TEST_F(CompanionsTest, FollowTheMainWindowUntilTheOperatorMovesThem) {
  show_main();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  main.move(10, screen.bottom() - 150);  // the operator drags it half off the screen
  settle();
  EXPECT_EQ(sim.frameGeometry().left(), main.frameGeometry().right() + 1 + kCompanionGap);
  EXPECT_EQ(sim.frameGeometry().bottom(), screen.bottom()) << "pushed up to stay on the screen";
  expect_apart();

  sim.move(500, 20);  // the operator puts the simulator's window elsewhere
  settle();
  EXPECT_FALSE(beside.follows(sim));
  EXPECT_TRUE(beside.follows(plot));
  main.move(30, 40);
  settle();
  EXPECT_EQ(sim.frameGeometry().topLeft(), QPoint(500, 20)) << "where the operator put it";
  // The plot now goes beside the main window itself.
  EXPECT_EQ(plot.frameGeometry().left(), main.frameGeometry().right() + 1 + kCompanionGap);
  EXPECT_FALSE(frame_of(main).overlaps(frame_of(plot)));
}

TEST_F(CompanionsTest, MakeRoomWhenTheMainWindowGrows) {
  show_main();
  main.setFixedSize(420, 300);  // a wider panel of the form
  settle();
  expect_apart();
  EXPECT_TRUE(beside.follows(sim)) << "a move for the main window's sake is not the operator's";
  EXPECT_TRUE(beside.follows(plot));
}

TEST_F(CompanionsTest, ACompanionAddedLaterIsShownAtOnce) {
  show_main();
  QWidget late;
  late.setAttribute(Qt::WA_QuitOnClose, false);
  late.resize(100, 100);
  beside.add(late);
  EXPECT_TRUE(late.isVisible());
  EXPECT_FALSE(frame_of(late).overlaps(frame_of(main)));
  EXPECT_FALSE(frame_of(late).overlaps(frame_of(sim)));
}

TEST(Companions, ACompanionGoneBeforeThemIsLeftAlone) {
  QWidget main;
  main.setFixedSize(200, 300);
  Companions beside(main);
  {
    auto plot = std::make_unique<QWidget>();
    plot->setAttribute(Qt::WA_QuitOnClose, false);
    beside.add(*plot);
  }
  main.show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  main.move(50, 60);
  QApplication::processEvents();
  EXPECT_TRUE(main.isVisible());
}

}  // namespace
}  // namespace kolvar::view
