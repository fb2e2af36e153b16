#include "journal/run_table_model.h"

#include <system_error>

namespace kolvar::journal {

namespace fs = std::filesystem;

RunTableModel::RunTableModel(const std::vector<RunEntry>& runs) {
  records_.reserve(runs.size());
  cells_.reserve(runs.size());
  for (const RunEntry& run : runs) {
    records_.push_back(run.record);
    cells_.push_back(run_cells(run, "-"));
  }
}

RunTableModel RunTableModel::of_folder(const fs::path& folder) {
  return RunTableModel(list_runs(folder));
}

const char* RunTableModel::title(std::size_t column) {
  return column_titles(ColumnTitles::Window).at(column);
}

const std::string& RunTableModel::cell(std::size_t row, std::size_t column) const {
  return cells_.at(row).at(column);
}

std::optional<std::size_t> RunTableModel::last_finished(const fs::path& under_way) const {
  for (std::size_t row = 0; row < records_.size(); ++row)
    if (under_way.empty() || !same_record(records_[row], under_way)) return row;
  return std::nullopt;
}

bool same_record(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  const fs::path whole_a = fs::absolute(a, ec).lexically_normal();
  if (ec) return a.lexically_normal() == b.lexically_normal();
  const fs::path whole_b = fs::absolute(b, ec).lexically_normal();
  if (ec) return a.lexically_normal() == b.lexically_normal();
  return whole_a == whole_b;
}

}  // namespace kolvar::journal
