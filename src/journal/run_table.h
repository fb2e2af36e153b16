#pragma once
// The table of runs as kolvar-plot --runs prints it: one line per run, newest
// first, in columns for a person to read or as CSV (RFC 4180, with a header)
// for a spreadsheet.
#include <filesystem>
#include <iosfwd>
#include <vector>

#include "journal/run_list.h"

namespace kolvar::journal {

enum class TableForm { Text, Csv };

void write_table(const std::vector<RunEntry>& runs, TableForm form, std::ostream& out);

// Lists `folder` to `out`; 0, or 2 with a message on `err` when the folder is
// not there or cannot be read.
int print_runs(const std::filesystem::path& folder, TableForm form, std::ostream& out,
               std::ostream& err);

}  // namespace kolvar::journal
