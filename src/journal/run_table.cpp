#include "journal/run_table.h"

#include <array>
#include <ostream>
#include <stdexcept>
#include <string>

#include "journal/run_columns.h"
#include "record/csv.h"

namespace kolvar::journal {

namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no room.
std::size_t width(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char ch : text)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

void write_table(const std::vector<RunEntry>& runs, TableForm form, std::ostream& out) {
  if (form == TableForm::Csv) {
    const auto& titles = column_titles(ColumnTitles::Csv);
    out << record::csv_record({titles.begin(), titles.end()});
    for (const RunEntry& run : runs) {
      // Blank where there is nothing to tell: the CSV's readers take an
      // empty field for none, a person reads a dash.
      const RunCells f = run_cells(run, "");
      out << record::csv_record({f.begin(), f.end()});
    }
    return;
  }
  constexpr std::size_t kColumns = kRunColumns;
  std::vector<RunCells> lines;
  lines.push_back({});
  const auto& titles = column_titles(ColumnTitles::Text);
  for (std::size_t k = 0; k < kColumns; ++k) lines[0][k] = titles[k];
  for (const RunEntry& run : runs) lines.push_back(run_cells(run, "-"));
  std::array<std::size_t, kColumns> widths{};
  for (const auto& line : lines)
    for (std::size_t k = 0; k < kColumns; ++k) widths[k] = std::max(widths[k], width(line[k]));
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t k = 0; k < kColumns; ++k) {
      text += line[k];
      if (k + 1 < kColumns) text += std::string(widths[k] - width(line[k]) + 2, ' ');
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out << text << '\n';
  }
}

int print_runs(const std::filesystem::path& folder, TableForm form, std::ostream& out,
               std::ostream& err) {
  std::vector<RunEntry> runs;
  try {
    runs = list_runs(folder);
  } catch (const std::exception& e) {
    err << "kolvar-plot: " << folder.string() << ": " << e.what() << "\n";
    return 2;
  }
  write_table(runs, form, out);
  return 0;
}

}  // namespace kolvar::journal
