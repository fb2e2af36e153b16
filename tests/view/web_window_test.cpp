// The window's web page as its operator meets it: the button with the
// address and its QR code, and a stop from the page that the window shows
// as its own, once however often the page asks.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <sstream>

#include "desktop_rig.h"
#include "launch/desktop_program.h"
#include "platform/time/manual_clock.h"
#include "qtlaunch/qt_toolkit.h"
#include "view/web_badge.h"
#include "web/http_client.h"

namespace kolvar::view {
namespace {

using remote::testing::Connection;
using remote::testing::request;
using remote::testing::status_of;

class WebWindow : public testing::DesktopRig {
 protected:
  std::unique_ptr<remote::LivePage> open(const remote::WebCommandLine& line, int& status) {
    status = 0;
    try {
      return launch::open_web_page(toolkit, record, {"kolvar", line, {}}, wall, out, err);
    } catch (const launch::PartRefused&) {
      status = 2;
      return nullptr;
    }
  }
  // The window's loop turns until `done` or a bound of turns: the page's
  // thread hands its work over through the loop, so the test waits on it
  // the way the window does, without a clock.
  template <class Done>
  bool turn_until(Done done) {
    for (int i = 0; i < 2000 && !done(); ++i)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
  }
  std::string post_stop(std::uint16_t port, const std::string& token) {
    Connection c(port);
    c.send(request("POST", "/api/stop",
                   "Authorization: Bearer " + token + "\r\nContent-Length: 0\r\n"));
    return c.answer();
  }

  platform::ManualClock wall_base;
  platform::FollowingWallClock wall{wall_base, platform::LocalTime{}};
  record::RunRecord record{desktop.controller(), wall};
  Companions beside{desktop.window()};
  qtlaunch::QtToolkit toolkit{desktop, beside};
  std::ostringstream out;
  std::ostringstream err;
};

std::string token_of(const std::string& url) {
  const std::size_t at = url.find("?token=");
  return at == std::string::npos ? std::string() : url.substr(at + 7);
}

TEST_F(WebWindow, TheAddressSitsBesideTheStatusLineAndOpensAsACode) {
  int status = -1;
  const auto page = open({remote::WebAddress{"127.0.0.1", 0}, false}, status);
  ASSERT_TRUE(page);
  EXPECT_EQ(status, 0);
  desktop.start();
  auto* button = desktop.window().statusBar()->findChild<QToolButton*>("web_address");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Веб-страница");
  EXPECT_EQ(button->toolTip().toStdString(), page->url());
  QTest::mouseClick(button, Qt::LeftButton);
  auto* dialog = desktop.window().findChild<QDialog*>("web_qr");
  ASSERT_NE(dialog, nullptr);
  bool code_shown = false;
  bool address_shown = false;
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    code_shown |= !label->pixmap().isNull();
    address_shown |= label->text().toStdString() == page->url();
  }
  EXPECT_TRUE(code_shown);
  EXPECT_TRUE(address_shown);
}

TEST_F(WebWindow, TheCodeHoldsTheWholeAddressWithItsToken) {
  // A longer text needs a larger code: the token is not cut off.
  const QImage short_code = qr_image("http://127.0.0.1:8080/", 1);
  const QImage long_code =
      qr_image("http://192.168.1.20:8080/?token=0123456789abcdef0123456789abcdef", 1);
  ASSERT_FALSE(short_code.isNull());
  EXPECT_GT(long_code.width(), short_code.width());
}

TEST_F(WebWindow, TheStopFromThePageIsTheWindowsStopAndHappensOnce) {
  int status = -1;
  const auto page = open({remote::WebAddress{"127.0.0.1", 0}, true}, status);
  ASSERT_TRUE(page);
  const std::string token = token_of(page->url());
  ASSERT_FALSE(token.empty()) << "the stop needs a token even on loopback";
  desktop.start();
  QTest::mouseClick(widget<QPushButton>("Start_sys_button"), Qt::LeftButton);
  ASSERT_TRUE(control("Timer1").on());

  EXPECT_EQ(status_of(post_stop(page->port(), "wrong")), 401);
  EXPECT_TRUE(control("Timer1").on());

  EXPECT_EQ(status_of(post_stop(page->port(), token)), 202);
  ASSERT_TRUE(turn_until([this] { return !control("Timer1").on(); }));
  const std::string said = "СИСТЕМА ОСТАНОВЛЕНА\nОстановлено пользователем (удалённо)";
  EXPECT_EQ(widget<QPlainTextEdit>("News")->toPlainText().toStdString(), said);

  // A second press on a page that has not caught up yet changes nothing:
  // no second stop, so no second sound or box about it either.
  const int boxes_after_the_stop = boxes();
  post_stop(page->port(), token);
  turn_until([] { return false; });
  EXPECT_EQ(widget<QPlainTextEdit>("News")->toPlainText().toStdString(), said);
  EXPECT_EQ(boxes(), boxes_after_the_stop);
}

TEST_F(WebWindow, APageThatCannotBeGuardedIsNotServedAndTheCommandLineSaysSo) {
  // The settings file is a folder: no token can be kept there.
  std::filesystem::create_directory(remote::kWebSettingsFile);
  int status = -1;
  EXPECT_FALSE(open({remote::WebAddress{"0.0.0.0", 0}, false}, status));
  EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace kolvar::view
