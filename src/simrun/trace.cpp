#include "simrun/trace.h"

#include <cstdio>

#include "form/names.h"
#include "form/text_number.h"
#include "platform/failure.h"

namespace kolvar::simrun {

Trace::Trace(const std::filesystem::path& path) : out_(path, std::ios::binary | std::ios::trunc) {
  if (!out_) throw Failure("Не удалось создать файл " + path.string());
  out_ << "time_s,dephlegmator_c,packing_c,tank_c,cooler_c,"
          "dephlegmator_limit_c,packing_limit_c,tank_limit_c,cooler_limit_c,"
          "port,valve,lift_cm,taken_off_l,taken_off_abv_pct,delay_ms,share_pct\n";
}

void Trace::row(const form::Controller& c, const sim::PlantStatus& s) {
  char text[320];
  std::snprintf(text, sizeof text,
                "%.1f,%.2f,%.2f,%.2f,%.2f,%.1f,%.1f,%.1f,%.1f,%d,%d,%.2f,%.4f,%.1f,%.0f,%.3f\n",
                static_cast<double>(s.time) / 1000, s.dephlegmator_celsius, s.packing_celsius,
                s.tank_celsius, s.cooler_celsius, c.c(ctl::V, 1).value() / 10.0,
                c.c(ctl::V, 2).value() / 10.0, c.c(ctl::V, 3).value() / 10.0,
                c.c(ctl::V, 4).value() / 10.0, s.lines, s.valve_open ? 1 : 0, s.lift_cm,
                s.taken_off.litres(), s.taken_off.abv() * 100,
                form::numeric_value(c.c(ctl::time3).text()),
                form::numeric_value(c.c(ctl::otb).text()) / 1000);
  out_ << text;
}

}  // namespace kolvar::simrun
