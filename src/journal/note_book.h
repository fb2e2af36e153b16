#pragma once
// Which run's note the window's editor opens, and where what it saves goes.
//
// Before the first "Старт системы" of the program the editor fills the note
// of the next run: it is kept in "runs/next-run.txt", so that neither the
// program's end nor a crash loses it, and the run that starts next takes it
// as its own note (a rename, atomic and quick, at the start). From a start
// on, the editor opens that run's note, during the run and after it, until
// the next start.
//
// The editor never holds the control cycle: it opens without a modal loop,
// and a save is one small file replaced whole (see write_note). A note that
// cannot be written or taken over is reported once per run, as the record's
// failures are; the record is never touched.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "journal/note_entries.h"

namespace kolvar::journal {

class NoteBook {
 public:
  using Report = std::function<void(const std::string& message)>;

  // The runs' folder (the record's); `report` is given each failure once.
  NoteBook(std::filesystem::path folder, Report report);

  // What the editor opened, to be given back to save().
  struct Page {
    std::filesystem::path file;
    bool next_run = false;
    std::string title;  // the editor window's caption
    NoteEntries entries;
    std::size_t starts = 0;  // the starts seen when it opened
  };
  Page open() const;

  // Writes what changed between `page` and `edited` into the note, read
  // afresh (see apply_entries). A page of the next run that a start has
  // taken over since it opened goes to that run's note. None when written;
  // else what the editor tells the operator: an entry refused (not
  // reported), or a failure to write (also reported, once per run).
  std::optional<std::string> save(const Page& page, const NoteEntries& edited);

  // A run began with its record at `record` (runs/NAME.csv): the next run's
  // note becomes its note.
  void run_began(const std::filesystem::path& record);

  // Lets `fill` add to the note of the run recorded at `record` (what a
  // program knows of the run, at its end), and writes it; a failure is
  // reported as save()'s are.
  void complete(const std::filesystem::path& record, const std::function<void(RunNote&)>& fill);

  std::filesystem::path pending_file() const { return folder_ / "next-run.txt"; }

 private:
  // Reads `file`, lets `change` change the note (or refuse, with the reason
  // for the operator), and writes it; as save() answers.
  std::optional<std::string> rewrite(
      const std::filesystem::path& file,
      const std::function<std::optional<std::string>(RunNote&)>& change);
  void report(const std::string& message);

  std::filesystem::path folder_;
  Report report_;
  // The notes of the runs begun since the program started, in order.
  std::vector<std::filesystem::path> runs_;
  bool reported_ = false;
};

}  // namespace kolvar::journal
