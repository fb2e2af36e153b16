#include "journal/plot_runs.h"

#include <exception>

#include "journal/run_table_model.h"

namespace kolvar::journal {

void PlotRuns::show(const std::filesystem::path& record) {
  shown_record_ = record;
  if (record.has_parent_path()) folder_ = record.parent_path();
}

const std::filesystem::path& PlotRuns::folder_to_list() {
  own_record();
  return folder_;
}

std::string PlotRuns::open_background(const std::filesystem::path& file) {
  try {
    background_->set(std::make_shared<const chart::BackgroundRun>(chart::load_background(file)));
  } catch (const std::exception& e) {
    return e.what();
  }
  return {};
}

std::filesystem::path PlotRuns::own_record() {
  std::filesystem::path own = under_way_ ? under_way_() : std::filesystem::path();
  if (own.empty()) own = shown_record_;
  if (own.has_parent_path()) folder_ = own.parent_path();
  return own;
}

std::filesystem::path PlotRuns::offered_background() {
  try {
    const std::filesystem::path own = own_record();
    const auto table = RunTableModel::of_folder(folder_);
    if (const auto row = table.last_finished(own)) return table.record(*row);
  } catch (const std::exception&) {
    // No folder of runs yet: nothing to offer, the dialog opens where it may.
  }
  return {};
}

}  // namespace kolvar::journal
