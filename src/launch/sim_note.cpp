#include "launch/sim_note.h"

#include <cstdio>
#include <ostream>
#include <string>

#include "journal/run_list.h"
#include "platform/system_reason.h"

namespace kolvar::launch {

namespace {

std::string measure_text(double value, int decimals, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
  return text;
}

// Unless a person gave the key a value.
void fill(journal::RunNote& note, std::string_view key, std::string value) {
  if (note.value(key).value_or("").empty()) note.set(key, std::move(value));
}

// Litres to the hundredth, as a measuring jug reads; a strength only for
// something collected, as nothing has none.
void set_collected(journal::RunNote& note, std::string_view litres_key,
                   std::string_view strength_key, const sim::Amount& amount) {
  fill(note, litres_key, measure_text(amount.litres(), 2, "L"));
  if (amount.litres() > 0) fill(note, strength_key, measure_text(100 * amount.abv(), 1, "%vol"));
}

}  // namespace

void fill_note(journal::RunNote& note, const simrun::Charge& charge, const simrun::RunSummary& s) {
  namespace key = journal::note_key;
  fill(note, key::kCharge, measure_text(charge.litres, 2, "L"));
  fill(note, key::kChargeStrength, measure_text(charge.strength, 1, "%vol"));
  set_collected(note, key::kHeads, key::kHeadsStrength, s.heads);
  set_collected(note, key::kHearts, key::kHeartsStrength, s.hearts);
  set_collected(note, key::kTails, key::kTailsStrength, s.tails);
  fill(note, key::kPower, measure_text(charge.watts, 0, "W"));
  fill(note, key::kPressure, measure_text(s.pressure_start_hpa, 2, "hPa"));
}

void leave_note(const std::filesystem::path& record, const simrun::Charge& charge,
                const simrun::RunSummary& s, std::ostream& err) {
  if (record.empty()) return;  // no run was recorded
  const std::filesystem::path file = journal::note_path(record);
  journal::RunNote note = journal::read_note(file).value_or(journal::RunNote{});
  fill_note(note, charge, s);
  if (const std::error_code ec = journal::write_note(file, note))
    err << "kolvar-sim: the note " << file.generic_string()
        << " was not written: " << platform::system_reason(ec) << '\n';
}

}  // namespace kolvar::launch
