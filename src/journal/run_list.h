#pragma once
// The runs of a folder: each record's summary, taken from the summary file
// beside it when that is of the record as it is now, else made from the
// record and kept there for next time; and the first line of the run's note.
// What is no record (another file, a record without its header) is left out.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "record/run_summary.h"

namespace kolvar::journal {

struct RunEntry {
  std::filesystem::path record;  // runs/NAME.csv
  record::RunSummary summary;
  std::string note;  // the first line of the note's text; empty without one
};

// The summary of the record at `file`, read through; none when it is no run
// record or cannot be read. A row that does not read ends the summary there,
// as a row cut short does.
std::optional<record::RunSummary> summarise_record(const std::filesystem::path& file);

// The same, from the summary file beside the record when that file is the
// record's as it is now; otherwise made and written there (a folder that
// takes no files still gets its summaries, made each time).
std::optional<record::RunSummary> cached_summary(const std::filesystem::path& file);

// "runs/NAME.summary", "runs/NAME.txt" beside "runs/NAME.csv".
std::filesystem::path summary_path(const std::filesystem::path& record);
std::filesystem::path note_path(const std::filesystem::path& record);

// The first line of the note's free text (see run_note.h), from the head of
// the file alone, as a listing reads many. Empty when the note is missing or
// holds no free text.
std::string note_first_line(const std::filesystem::path& note);

// The runs of `folder`, newest first. Throws std::runtime_error when the
// folder is not there or is no folder (the reason alone).
std::vector<RunEntry> list_runs(const std::filesystem::path& folder);

}  // namespace kolvar::journal
