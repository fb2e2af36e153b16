#pragma once
// What a plot window knows of the runs around the one it shows: the folder
// they are listed from, the run it shows or follows, and the past run drawn
// behind it. Each toolkit's window binds this to its controls and dialogs.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "chart/background_choice.h"
#include "chart/background_run.h"

namespace kolvar::journal {

class PlotRuns {
 public:
  PlotRuns() = default;
  // The run behind may be another's choice, pointed to from here.
  PlotRuns(const PlotRuns&) = delete;
  PlotRuns& operator=(const PlotRuns&) = delete;

  // Where the window learns the record of the run it draws as it is
  // written (empty between runs): never offered as its own background, and
  // its folder is the one whose runs are listed.
  void set_under_way(std::function<std::filesystem::path()> record) {
    under_way_ = std::move(record);
  }
  // Where the table of runs and the background's chooser look: the folder
  // of the record shown ("runs" until one is).
  const std::filesystem::path& runs_folder() const { return folder_; }
  void set_runs_folder(std::filesystem::path folder) { folder_ = std::move(folder); }
  // A past run's record now shown in the window.
  void show(const std::filesystem::path& record);
  // The folder to list now: the run under way's, else the shown record's.
  const std::filesystem::path& folder_to_list();

  // From now on the run behind is `choice`'s (shared with the web page);
  // it must outlive this. Until then the window holds its own.
  void share_background(chart::BackgroundChoice& choice) { background_ = &choice; }
  // Draws a past run's record behind; on failure what was behind stays and
  // the reason is returned (empty when it opened).
  std::string open_background(const std::filesystem::path& file);
  void clear_background() { background_->clear(); }
  std::shared_ptr<const chart::BackgroundRun> background() const { return background_->current(); }
  // What the background's chooser offers first: the newest run of the
  // folder other than the one shown (a past record opened, or the run under
  // way); empty when there is none.
  std::filesystem::path offered_background();

 private:
  // The record not to offer as a background, the runs folder set by it.
  std::filesystem::path own_record();

  chart::BackgroundChoice own_background_;
  chart::BackgroundChoice* background_ = &own_background_;
  std::filesystem::path folder_ = "runs";
  // A past record shown in the window.
  std::filesystem::path shown_record_;
  std::function<std::filesystem::path()> under_way_;
};

}  // namespace kolvar::journal
