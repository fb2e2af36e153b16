// A run's note read and written back: the keys, what is no key, and the
// text a person wrote, none of it lost.
#include "journal/run_note.h"

#include <gtest/gtest.h>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::journal {
namespace {

using kolvar::testing::read_bytes;
using kolvar::testing::write_bytes;

TEST(RunNote, KeepsUnknownKeysStrayLinesAndTextThroughARoundTrip) {
  const std::string written =
      "\xEF\xBB\xBF"
      "charge: 30 L\r\n"
      "  отступ, не ключ\n"
      "Погода: дождь\n"
      "charge: 31 L\n"  // a key twice: the second is kept as text
      "no colon here\n"
      "hearts:\n"
      "\n"
      "Хорошие сердца.\n"
      "12:30 закипело\n"
      "\n"
      "tails: 1 L\n";  // below the blank line, text
  const RunNote note = parse_note(written);
  ASSERT_EQ(note.fields.size(), 3u);
  EXPECT_EQ(note.value("charge"), "30 L");
  EXPECT_EQ(note.value("Погода"), "дождь");
  EXPECT_EQ(note.value("hearts"), "");
  EXPECT_FALSE(note.value("tails"));
  EXPECT_EQ(note.text,
            "  отступ, не ключ\ncharge: 31 L\nno colon here\n"
            "Хорошие сердца.\n12:30 закипело\n\ntails: 1 L\n");
  EXPECT_EQ(note.first_line(), "отступ, не ключ");

  // Written and read again, it is the same note; written again, the same bytes.
  const std::string once = note_text(note);
  const RunNote again = parse_note(once);
  EXPECT_EQ(again.fields, note.fields);
  EXPECT_EQ(again.text, note.text);
  EXPECT_EQ(note_text(again), once);
}

TEST(RunNote, SetReplacesInPlaceAndKeepsAValueOnOneLine) {
  RunNote note = parse_note("Погода: дождь\ncharge: 30 L\n\ntext\n");
  note.set(note_key::kCharge, "12 L");
  note.set(note_key::kHearts, "2.5 L\nhearts strength: 1");
  EXPECT_EQ(note_text(note),
            "Погода: дождь\ncharge: 12 L\nhearts: 2.5 L hearts strength: 1\n\ntext\n");
  // Keys alone still end in a blank line, and text alone stands alone.
  EXPECT_EQ(note_text(parse_note("power: 2000 W")), "power: 2000 W\n\n");
  EXPECT_EQ(note_text(parse_note("\njust text")), "just text\n");
  EXPECT_EQ(note_text(parse_note("")), "");
}

TEST(RunNote, WritesWholeAndReadsBack) {
  kolvar::testing::TempFolder folder;
  const auto file = folder.file("run.txt");
  EXPECT_FALSE(read_note(file));
  write_bytes(file, "Погода: дождь\n\nНачало.\n");
  RunNote note = *read_note(file);
  note.set(note_key::kPower, "1500 W");
  ASSERT_FALSE(write_note(file, note));
  EXPECT_EQ(read_bytes(file), "Погода: дождь\npower: 1500 W\n\nНачало.\n");
  // A folder that is not there keeps nothing and says so.
  EXPECT_TRUE(write_note(folder.file("nowhere/run.txt"), note));
}

}  // namespace
}  // namespace kolvar::journal
