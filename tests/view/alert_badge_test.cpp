// The alerts in the window: the test button at the right of the status line
// and the trouble line beside it, shown once and taken away, never a box.
#include "view/alert_badge.h"

#include <QLabel>
#include <QToolButton>

#include "desktop_rig.h"

namespace kolvar::view {
namespace {

class AlertBadge : public testing::DesktopRig {
 protected:
  AlertBadge() { desktop.start(); }
  MainWindow& window() { return desktop.window(); }
};

TEST_F(AlertBadge, TheButtonSendsATestAndTheTroubleLineComesAndGoes) {
  int tests = 0;
  show_alert_button(window(), {"push https://push.example/…", "telegram (chat 42)"},
                    [&tests] { ++tests; });
  auto* button = window().findChild<QToolButton*>("test_alert");
  ASSERT_TRUE(button);
  EXPECT_EQ(button->toolTip(), "Оповещения: push https://push.example/…; telegram (chat 42)");
  button->click();
  EXPECT_EQ(tests, 1);

  auto* line = window().findChild<QLabel*>("alert_trouble");
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->isHidden());
  const QString failing = "Оповещение не доставлено: telegram (chat 42) (Couldn't connect)";
  show_alert_trouble(window(), failing);
  EXPECT_FALSE(line->isHidden());
  EXPECT_EQ(alert_trouble(window()), failing);
  // The port's own status stays where it was.
  EXPECT_NE(window().status(), failing);
  EXPECT_EQ(boxes(), 0);
  show_alert_trouble(window(), {});
  EXPECT_TRUE(line->isHidden());
}

TEST_F(AlertBadge, NoButtonNoLine) {
  // A program without alerts has neither; a stray trouble line changes nothing.
  show_alert_trouble(window(), "x");
  EXPECT_FALSE(window().findChild<QLabel*>("alert_trouble"));
  EXPECT_TRUE(alert_trouble(window()).isEmpty());
}

}  // namespace
}  // namespace kolvar::view
