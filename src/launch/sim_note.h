#pragma once
// A simulated run's note (see journal/run_note.h), filled from what the
// plant knows: the charge, the heater's power, the air's pressure, and what
// the run took off as heads, hearts and tails. What a person wrote wins: the
// plant fills only the keys the note leaves empty, so values typed in the
// window's editor before or during the run stay as they were typed.
#include <filesystem>
#include <iosfwd>

#include "journal/run_note.h"
#include "simrun/rig.h"
#include "simrun/run_watch.h"

namespace kolvar::launch {

// Fills the plant's keys that `note` lacks or leaves empty; its other keys
// and its text stay.
void fill_note(journal::RunNote& note, const simrun::Charge& charge, const simrun::RunSummary& s);

// Writes the note beside `record` (keeping what is in a note already there);
// a note that cannot be written is told on `err`, once, and the record is
// left as it is.
void leave_note(const std::filesystem::path& record, const simrun::Charge& charge,
                const simrun::RunSummary& s, std::ostream& err);

}  // namespace kolvar::launch
