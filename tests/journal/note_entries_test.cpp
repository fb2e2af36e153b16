// The note's editor: what it shows of a note, and what of the operator's
// typing reaches the note.
#include "journal/note_entries.h"

#include <gtest/gtest.h>

namespace kolvar::journal {
namespace {

std::size_t index_of(std::string_view key) {
  for (std::size_t i = 0; i < kNoteMeasures.size(); ++i)
    if (kNoteMeasures[i].key == key) return i;
  ADD_FAILURE() << key;
  return 0;
}

TEST(NoteEntries, ANumberIsTypedWithAPointOrACommaAndNothingElse) {
  EXPECT_EQ(typed_number("4,2"), "4.2");
  EXPECT_EQ(typed_number(" 30 "), "30");
  EXPECT_EQ(typed_number(".5"), "0.5");
  EXPECT_EQ(typed_number("12."), "12");
  for (const char* refused : {"", " ", ",", "1,2,3", "1.2.3", "-3", "1e3", "30 л", "3 0", "x"})
    EXPECT_FALSE(typed_number(refused)) << refused;
}

TEST(NoteEntries, ShowsTheNumberOfItsOwnUnitAndAnythingElseAsWritten) {
  const RunNote note = parse_note(
      "charge: 30.5 L\n"
      "hearts: около 4 L\n"
      "tails: 2 gal\n"
      "power: 1500\n"
      "pressure: 1013.25 hPa\n"
      "Погода: дождь\n\nТекст.\n");
  const NoteEntries shown = entries_of(note);
  EXPECT_EQ(shown.measures[index_of(note_key::kCharge)], "30.5");
  EXPECT_EQ(shown.measures[index_of(note_key::kHearts)], "около 4 L");
  EXPECT_EQ(shown.measures[index_of(note_key::kTails)], "2 gal");
  EXPECT_EQ(shown.measures[index_of(note_key::kPower)], "1500");
  EXPECT_EQ(shown.measures[index_of(note_key::kPressure)], "1013.25");
  EXPECT_EQ(shown.measures[index_of(note_key::kHeads)], "");
  EXPECT_EQ(shown.text, "Текст.\n");
}

TEST(NoteEntries, WritesOnlyWhatTheOperatorChanged) {
  const RunNote opened_note = parse_note("hearts: около 4 L\nПогода: дождь\n\nТекст.\n");
  const NoteEntries opened = entries_of(opened_note);
  // Meanwhile the simulator (or a text editor) wrote the charge and the power.
  RunNote note =
      parse_note("hearts: около 4 L\nПогода: дождь\ncharge: 30 L\npower: 2000 W\n\nТекст.\n");
  NoteEntries edited = opened;
  edited.measures[index_of(note_key::kCharge)] = "";  // as opened: the file's value stays
  edited.measures[index_of(note_key::kHeartsStrength)] = " 94,6 ";
  edited.measures[index_of(note_key::kPressure)] = "1010";
  ASSERT_FALSE(apply_entries(opened, edited, note));
  EXPECT_EQ(note_text(note),
            "hearts: около 4 L\nПогода: дождь\ncharge: 30 L\npower: 2000 W\n"
            "hearts strength: 94.6 %vol\npressure: 1010 hPa\n\nТекст.\n");

  // An entry emptied takes its key away; a new text replaces the old, its
  // Windows line ends made plain.
  const NoteEntries reopened = entries_of(note);
  NoteEntries cleared = reopened;
  cleared.measures[index_of(note_key::kCharge)] = "  ";
  cleared.text = "Первая строка\r\nвторая";
  ASSERT_FALSE(apply_entries(reopened, cleared, note));
  EXPECT_FALSE(note.value(note_key::kCharge));
  EXPECT_EQ(note.value(note_key::kPower), "2000 W");
  EXPECT_EQ(note.text, "Первая строка\nвторая\n");
}

TEST(NoteEntries, RefusesANumberOutOfRangeOrNoNumberAndChangesNothing) {
  RunNote note = parse_note("charge: 30 L\n\nТекст.\n");
  const RunNote before = note;
  const NoteEntries opened = entries_of(note);
  struct Case {
    std::string_view key;
    const char* typed;
  };
  for (const Case& c :
       {Case{note_key::kChargeStrength, "100,5"}, Case{note_key::kPressure, "750 мм"},
        Case{note_key::kPressure, "200"}, Case{note_key::kCharge, "1001"}}) {
    NoteEntries edited = opened;
    edited.text = "Новый текст.\n";
    edited.measures[index_of(note_key::kHearts)] = "4";  // fine on its own
    edited.measures[index_of(c.key)] = c.typed;
    const auto refusal = apply_entries(opened, edited, note);
    ASSERT_TRUE(refusal) << c.typed;
    EXPECT_EQ(refusal->measure, index_of(c.key));
    EXPECT_NE(refusal->message.find(kNoteMeasures[refusal->measure].caption), std::string::npos);
    EXPECT_EQ(note_text(note), note_text(before));
  }
  // The limits themselves are in range.
  NoteEntries edited = opened;
  edited.measures[index_of(note_key::kChargeStrength)] = "100";
  edited.measures[index_of(note_key::kHeads)] = "0";
  EXPECT_FALSE(apply_entries(opened, edited, note));
  EXPECT_EQ(note.value(note_key::kHeads), "0 L");
}

TEST(NoteEntries, LineEndsOfEveryKindBecomePlain) {
  EXPECT_EQ(unix_lines("a\r\nb\rc\n"), "a\nb\nc\n");
  EXPECT_EQ(unix_lines("a"), "a\n");
  EXPECT_EQ(unix_lines("a\r"), "a\n");
  EXPECT_EQ(unix_lines(""), "");
}

}  // namespace
}  // namespace kolvar::journal
