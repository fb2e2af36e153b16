#pragma once
// What tests may change in the real desktop programs, through environment
// variables that only tests and the documentation's pictures set (the
// programs take no options for them):
//   KOLVAR_TEST_PORT=fake      both port backends record instead of writing;
//                              each byte, the first paint of the window and
//                              (where the toolkit tells) each message box are
//                              printed on standard output as "@T port N",
//                              "@T shown" and "@T msgbox TEXT" (TEXT a JSON
//                              string), T in milliseconds of the model's clock
//   KOLVAR_TEST_PORT=fail      the same, but the first backend refuses and
//                              the second is missing, so start-up raises the
//                              port's message box
//   KOLVAR_TEST_PORT=real      the system's own port backends; the first
//                              paint and the message boxes are printed as above
//   KOLVAR_TEST_CLICKS="A B"   after start, clicks the named controls in
//                              turn, as the operator would
// A toolkit's seam adds only how it sees the first paint and the boxes.
#include <string>

#include "desk/desktop.h"

namespace kolvar::desk {

// Prints "@T TEXT" on standard output at once, T in milliseconds of the
// model's clock.
void print_test_event(platform::Millis t, const std::string& text);

class TestSeam {
 public:
  // Reads the environment. The fake backends take the names given, which on
  // Windows are the system's libraries', so every message is the system's own.
  TestSeam(std::string first_port, std::string second_port);

  // The ports the desktop is built with: the fakes when asked, else the
  // platform's own (an empty wiring).
  Desktop::Wiring wiring() const;
  // Whether the first paint and the message boxes are to be printed.
  bool printing() const { return printing_; }
  // Clicks the controls KOLVAR_TEST_CLICKS names, through the desktop's act.
  static void click_asked(Desktop& desktop);

 private:
  std::string first_port_;
  std::string second_port_;
  bool fake_port_ = false;
  bool failing_port_ = false;
  bool printing_ = false;
};

}  // namespace kolvar::desk
