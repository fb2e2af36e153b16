#pragma once
// The table of a folder's runs as a window shows it, for any toolkit to
// bind: its cells made once when the folder is listed, so a window of a
// thousand runs asks for text and does no work per paint.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "journal/run_columns.h"
#include "journal/run_list.h"

namespace kolvar::journal {

class RunTableModel {
 public:
  RunTableModel() = default;
  explicit RunTableModel(const std::vector<RunEntry>& runs);
  // The runs of `folder`, newest first; throws as list_runs does.
  static RunTableModel of_folder(const std::filesystem::path& folder);

  static constexpr std::size_t columns() { return kRunColumns; }
  static const char* title(std::size_t column);
  std::size_t rows() const { return records_.size(); }
  // Within rows() and columns(); "-" where the run has nothing to tell.
  const std::string& cell(std::size_t row, std::size_t column) const;
  const std::filesystem::path& record(std::size_t row) const { return records_.at(row); }

  // The newest run that is not `under_way` (the record still being written,
  // none while no run goes): the one a background is offered from first.
  std::optional<std::size_t> last_finished(const std::filesystem::path& under_way) const;

 private:
  std::vector<std::filesystem::path> records_;
  std::vector<RunCells> cells_;
};

// Whether `a` and `b` name the same record, however each is spelled
// (relative or absolute, "runs/./x.csv"); neither need exist.
bool same_record(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace kolvar::journal
