#pragma once
// The note as its editor shows it, whichever toolkit draws the editor: one
// entry per measure (the number alone, its unit in the caption) and the free
// text. What the operator typed goes back into the note by these rules:
//
// - a number takes '.' or ',' for its decimals, and must lie in its range;
// - an entry left empty takes the key out of the note (nothing is known);
// - an entry the operator did not change keeps the note's value as it is,
//   even one written by hand that is no number ("около 30 L"), and even one
//   that changed in the file since the editor opened (the simulator filled
//   it, or a text editor): only what the operator changed is written.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "journal/run_note.h"

namespace kolvar::journal {

struct NoteMeasure {
  std::string_view key;      // see note_key
  std::string_view caption;  // the editor's, unit included
  std::string_view unit;     // after the number in the file
  double min;
  double max;
};

inline constexpr std::array<NoteMeasure, 10> kNoteMeasures = {{
    {note_key::kCharge, "Заряд, л", "L", 0, 1000},
    {note_key::kChargeStrength, "Крепость заряда, % об.", "%vol", 0, 100},
    {note_key::kHeads, "Головы, л", "L", 0, 1000},
    {note_key::kHeadsStrength, "Крепость голов, % об.", "%vol", 0, 100},
    {note_key::kHearts, "Тело, л", "L", 0, 1000},
    {note_key::kHeartsStrength, "Крепость тела, % об.", "%vol", 0, 100},
    {note_key::kTails, "Хвосты, л", "L", 0, 1000},
    {note_key::kTailsStrength, "Крепость хвостов, % об.", "%vol", 0, 100},
    {note_key::kPower, "Мощность нагрева, Вт", "W", 0, 100000},
    {note_key::kPressure, "Атмосферное давление, гПа", "hPa", 300, 1100},
}};

inline constexpr std::string_view kNoteTextCaption = "Заметки";

struct NoteEntries {
  std::array<std::string, kNoteMeasures.size()> measures;
  // Lines end in '\n' here, whatever the toolkit's control gives.
  std::string text;

  bool operator==(const NoteEntries&) const = default;
};

// What the editor shows of `note`: "30" for "30 L", a value in another form
// as it is written.
NoteEntries entries_of(const RunNote& note);

// A number as the operator types it ("4,2", " 30 ", ".5"), in the file's form
// ("4.2", "30", "0.5"); none for anything else.
std::optional<std::string> typed_number(std::string_view typed);

struct EntryRefusal {
  std::size_t measure;  // index into kNoteMeasures
  std::string message;  // for the operator, naming the entry
};

// Puts into `note` what changed from `opened` to `edited`, by the rules at
// the top. On a refusal `note` is as it was.
std::optional<EntryRefusal> apply_entries(const NoteEntries& opened, const NoteEntries& edited,
                                          RunNote& note);

// Lines ending in "\r\n" or '\r' (a Windows edit control's) end in '\n', and
// the last line ends in one too unless the text is empty.
std::string unix_lines(std::string_view text);

}  // namespace kolvar::journal
