#include "simrun/sim_world.h"

#include <utility>

#include "form/json_text.h"
#include "ui/handlers.h"

namespace kolvar::simrun {

namespace {
platform::EventSink quoted(platform::EventSink sink, const std::string& kind) {
  if (!sink) return {};
  return [sink = std::move(sink), kind](platform::Millis t, const std::string& text) {
    sink(t, kind + " " + form::json_quote(text));
  };
}
}  // namespace

SimWorld::SimWorld(const sim::PlantSettings& settings, platform::EventSink sink)
    : plant(settings),
      second_port(clock, "inpout32.dll"),
      message_box(clock, quoted(sink, "msgbox")),
      sound(clock, quoted(sink, "sound")),
      services{clock, connection, second_port, message_box, sound, connection, locale},
      controller(services) {
  second_port.set_mode(platform::FakePort::Mode::Missing);
  ui::register_handlers(controller);
}

}  // namespace kolvar::simrun
