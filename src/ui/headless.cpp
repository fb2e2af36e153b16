#include "ui/headless.h"

#include "form/json_text.h"
#include "ui/handlers.h"

namespace kolvar::ui {

namespace {
platform::EventSink quoted(Headless* rig, const std::string& kind) {
  return [rig, kind](platform::Millis t, const std::string& text) {
    if (rig->sink) rig->sink(t, kind + " " + form::json_quote(text));
  };
}
}  // namespace

Headless::Headless(EventSink event_sink)
    : sink(std::move(event_sink)),
      port1(clock, "dlportio.dll",
            [this](platform::Millis t, std::uint8_t b) {
              if (sink) sink(t, "port " + std::to_string(b));
            }),
      port2(clock, "inpout32.dll",
            [this](platform::Millis t, std::uint8_t b) {
              if (sink) sink(t, "port " + std::to_string(b));
            }),
      message_box(clock, quoted(this, "msgbox")),
      sound(clock, quoted(this, "sound")),
      launcher(clock, quoted(this, "launch")),
      locale('.'),
      services{clock, port1, port2, message_box, sound, launcher, locale},
      controller(services) {
  register_handlers(controller);
}

void Headless::advance(platform::Millis ms) {
  controller.run_timers_until(clock, clock.now() + ms);
}

}  // namespace kolvar::ui
