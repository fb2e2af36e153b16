#pragma once
// What tests may change in the real program, through environment variables
// that only tests set (the program itself takes no options):
//   KOLVAR_TEST_PORT=fake      both port backends record instead of writing;
//                              each byte, the first paint of the window and
//                              each message box are printed on standard
//                              output as "@T port N", "@T shown" and
//                              "@T msgbox TEXT" (TEXT a JSON string), T in
//                              milliseconds of the model's clock; the
//                              backends are named as the system's libraries
//   KOLVAR_TEST_PORT=fail      the same, but the first backend refuses and
//                              the second is missing, so start-up raises the
//                              port's message box
//   KOLVAR_TEST_PORT=real      the system's own port libraries, searched as
//                              ever; the first paint and the message boxes
//                              are printed as above
//   KOLVAR_TEST_CLICKS="A B"   after start, clicks the named controls in
//                              turn, as the operator would
#include <string>

#include "winview/desktop.h"

namespace kolvar::winview {

// Prints "@T TEXT" on standard output at once, T in milliseconds of the
// model's clock.
void print_test_event(platform::Millis t, const std::string& text);

class TestSeam {
 public:
  TestSeam();
  // The ports and clock the desktop is built with.
  Desktop::Wiring wiring();
  // Prints the window's first paint and the message boxes, where asked to.
  void attach(Desktop& desktop);
  void after_start(Desktop& desktop);

 private:
  bool printing_ = false;
  bool fake_port_ = false;
  bool failing_port_ = false;
};

}  // namespace kolvar::winview
