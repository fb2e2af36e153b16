#pragma once
// What tests may change in the real program, through environment variables
// that only tests set (the program itself takes no options):
//   KOLVAR_TEST_PORT=fake      both port backends record instead of writing;
//                              each byte and the first paint of the window
//                              are printed on standard output as
//                              "@T port N" and "@T shown", T in milliseconds
//                              of the model's clock
//   KOLVAR_TEST_CLICKS="A B"   after start, clicks the named controls in
//                              turn, as the operator would
#include <memory>

#include "platform/fake_port.h"
#include "view/desktop.h"

namespace kolvar::view {

class TestSeam {
 public:
  TestSeam();
  ~TestSeam();
  // The ports and clock the desktop is built with.
  Desktop::Parts parts();
  // Watches the window for its first paint.
  void attach(Desktop& desktop);
  void after_start(Desktop& desktop);

 private:
  struct Printer;
  bool fake_port_ = false;
  std::unique_ptr<Printer> printer_;
};

}  // namespace kolvar::view
