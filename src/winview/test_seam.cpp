#include "winview/test_seam.h"

#include "form/json_text.h"

namespace kolvar::winview {

void print_first_paint_and_boxes(Desktop& desktop) {
  const platform::Clock& clock = desktop.clock();
  desktop.window().on_first_paint([&clock] { desk::print_test_event(clock.now(), "shown"); });
  desktop.message_box().on_show([&clock](const std::string& text) {
    desk::print_test_event(clock.now(), "msgbox " + form::json_quote(text));
  });
}

}  // namespace kolvar::winview
