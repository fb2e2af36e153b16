#pragma once
// What tests may change in the real program, through environment variables
// that only tests set (the program itself takes no options):
//   KOLVAR_TEST_PORT=fake      both port backends record instead of writing;
//                              each byte and the first paint of the window
//                              are printed on standard output as
//                              "@T port N" and "@T shown", T in milliseconds
//                              of the model's clock
//   KOLVAR_TEST_PORT=fail      the same, but the first backend refuses and
//                              the second is missing, so start-up raises the
//                              port's message box
//   KOLVAR_TEST_CLICKS="A B"   after start, clicks the named controls in
//                              turn, as the operator would
#include <memory>
#include <string>

#include "platform/ports/fake_port.h"
#include "view/desktop.h"

namespace kolvar::view {

// Prints "@T TEXT" on standard output at once, T in milliseconds of the
// model's clock.
void print_test_event(platform::Millis t, const std::string& text);

// Prints "@T shown" at the window's first paint.
class FirstPaintPrinter {
 public:
  explicit FirstPaintPrinter(Desktop& desktop);
  ~FirstPaintPrinter();
  FirstPaintPrinter(const FirstPaintPrinter&) = delete;
  FirstPaintPrinter& operator=(const FirstPaintPrinter&) = delete;

 private:
  struct Filter;
  std::unique_ptr<Filter> filter_;
};

class TestSeam {
 public:
  TestSeam();
  ~TestSeam();
  // The ports and clock the desktop is built with.
  Desktop::Wiring wiring();
  // Watches the window for its first paint.
  void attach(Desktop& desktop);
  void after_start(Desktop& desktop);

 private:
  bool fake_port_ = false;
  bool failing_port_ = false;
  std::unique_ptr<FirstPaintPrinter> printer_;
};

}  // namespace kolvar::view
