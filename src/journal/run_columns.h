#pragma once
// The columns of the table of runs, one rule for each form it takes: the
// lines kolvar-plot --runs prints, their CSV, and the plot window's table.
// What a column holds and how it is written is decided here alone; the forms
// differ only in their titles and in what stands where there is nothing.
#include <array>
#include <cstddef>
#include <string>

#include "journal/run_list.h"

namespace kolvar::journal {

inline constexpr std::size_t kRunColumns = 7;
using RunCells = std::array<std::string, kRunColumns>;

enum class ColumnTitles {
  Text,    // for a person at a terminal
  Csv,     // names a spreadsheet or a script takes as they are
  Window,  // the window's own language
};

const std::array<const char*, kRunColumns>& column_titles(ColumnTitles form);

// Date, duration, first take-off after, valve open, highest tank
// temperature, stop, the note's first line; `none` where a run has nothing
// to tell.
RunCells run_cells(const RunEntry& run, const std::string& none);

}  // namespace kolvar::journal
