// Which note the editor opens before, during and after a run, the next
// run's note taken over at the start, and failures told once.
#include "journal/note_book.h"

#include <gtest/gtest.h>

#include <vector>

#include "journal/run_list.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::journal {
namespace {

namespace fs = std::filesystem;
using kolvar::testing::read_bytes;
using kolvar::testing::write_bytes;

struct Book {
  kolvar::testing::TempFolder temp;
  fs::path runs = temp.file("runs");
  std::vector<std::string> told;
  NoteBook book{runs, [this](const std::string& m) { told.push_back(m); }};
};

NoteEntries with_text(NoteEntries entries, std::string text) {
  entries.text = std::move(text);
  return entries;
}

TEST(NoteBook, TheNextRunsNoteIsKeptOnDiskAndBecomesTheRunsAtItsStart) {
  Book b;
  const NoteBook::Page next = b.book.open();
  EXPECT_TRUE(next.next_run);
  EXPECT_EQ(next.title, "Журнал: следующий запуск");
  NoteEntries edited = with_text(next.entries, "Брага с мёдом.");
  edited.measures[0] = "30";
  // The runs' folder is made for it when the first run has not made it yet.
  ASSERT_FALSE(b.book.save(next, edited));
  EXPECT_EQ(read_bytes(b.book.pending_file()), "charge: 30 L\n\nБрага с мёдом.\n");

  const fs::path record = b.runs / "2026-05-01_10-00-00.csv";
  b.book.run_began(record);
  EXPECT_FALSE(fs::exists(b.book.pending_file()));
  EXPECT_EQ(read_bytes(note_path(record)), "charge: 30 L\n\nБрага с мёдом.\n");

  // During the run and after it the editor opens the run's own note.
  const NoteBook::Page during = b.book.open();
  EXPECT_FALSE(during.next_run);
  EXPECT_EQ(during.file, note_path(record));
  EXPECT_EQ(during.title, "Журнал: запуск 2026-05-01_10-00-00");
  EXPECT_EQ(during.entries.measures[0], "30");
  EXPECT_TRUE(b.told.empty());
}

TEST(NoteBook, AnEditorOpenAcrossTheStartSavesIntoTheRunThatTookTheNote) {
  Book b;
  const NoteBook::Page next = b.book.open();
  ASSERT_FALSE(b.book.save(next, with_text(next.entries, "Первое.")));
  const NoteBook::Page still_open = b.book.open();
  const fs::path first = b.runs / "a.csv";
  const fs::path second = b.runs / "b.csv";
  b.book.run_began(first);
  b.book.run_began(second);
  ASSERT_FALSE(b.book.save(still_open, with_text(still_open.entries, "Исправлено.")));
  EXPECT_EQ(read_bytes(note_path(first)), "Исправлено.\n");
  EXPECT_FALSE(fs::exists(note_path(second)));
  EXPECT_FALSE(fs::exists(b.book.pending_file()));
}

TEST(NoteBook, KeepsWhatTheFileGainedWhileTheEditorWasOpen) {
  Book b;
  fs::create_directories(b.runs);
  const fs::path record = b.runs / "r.csv";
  b.book.run_began(record);
  const NoteBook::Page page = b.book.open();
  // The simulator fills the plant's keys at the stop.
  write_bytes(note_path(record), "power: 2000 W\n\nВетер.\n");
  NoteEntries edited = page.entries;
  edited.measures[4] = "4,5";  // hearts
  ASSERT_FALSE(b.book.save(page, edited));
  EXPECT_EQ(read_bytes(note_path(record)), "power: 2000 W\nhearts: 4.5 L\n\nВетер.\n");
}

TEST(NoteBook, ARefusedEntryIsTheEditorsAndWritesNothing) {
  Book b;
  const NoteBook::Page page = b.book.open();
  NoteEntries edited = page.entries;
  edited.measures[1] = "сорок";
  const auto said = b.book.save(page, edited);
  ASSERT_TRUE(said);
  EXPECT_NE(said->find("Крепость заряда"), std::string::npos);
  EXPECT_FALSE(fs::exists(b.book.pending_file()));
  EXPECT_TRUE(b.told.empty());
}

TEST(NoteBook, ANoteThatCannotBeWrittenIsToldOncePerRunAndTheRecordStays) {
  Book b;
  fs::create_directories(b.runs);
  const fs::path record = b.runs / "r.csv";
  write_bytes(record, "the record\n");
  // A folder where the note should be: neither read nor written over.
  fs::create_directories(note_path(record));
  b.book.run_began(record);
  const NoteBook::Page page = b.book.open();
  const auto first = b.book.save(page, with_text(page.entries, "Текст."));
  const auto second = b.book.save(page, with_text(page.entries, "Текст."));
  ASSERT_TRUE(first && second);
  ASSERT_EQ(b.told.size(), 1u);
  EXPECT_NE(b.told[0].find("r.txt"), std::string::npos);
  EXPECT_EQ(read_bytes(record), "the record\n");
  EXPECT_TRUE(fs::is_directory(note_path(record)));

  // The next run is told again, as the record's failures are.
  const fs::path next = b.runs / "s.csv";
  fs::create_directories(note_path(next));
  b.book.run_began(next);
  EXPECT_TRUE(b.book.save(b.book.open(), with_text(page.entries, "Ещё.")));
  EXPECT_EQ(b.told.size(), 2u);
}

TEST(NoteBook, ANextRunsNoteThatCannotBeTakenOverStaysAndIsTold) {
  Book b;
  const NoteBook::Page next = b.book.open();
  ASSERT_FALSE(b.book.save(next, with_text(next.entries, "Ждёт.")));
  // The run's note cannot be made: a non-empty folder stands in its place.
  const fs::path record = b.runs / "r.csv";
  fs::create_directories(note_path(record) / "x");
  b.book.run_began(record);
  ASSERT_EQ(b.told.size(), 1u);
  EXPECT_EQ(read_bytes(b.book.pending_file()), "Ждёт.\n");
}

}  // namespace
}  // namespace kolvar::journal
