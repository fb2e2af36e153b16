#pragma once
// The plot's own window: the plot, the "Следить" button, the table of past
// runs, a past run behind. Closing it only hides it.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/background_choice.h"
#include "chart/plot_model.h"
#include "journal/plot_runs.h"
#include "winview/plot_canvas.h"
#include "winview/run_journal_window.h"
#include "winview/win32.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class PlotWindow final : public WindowObject {
 public:
  // Asks the operator for a record, `offered` chosen first; empty when none
  // is chosen. The window's own opens the system's file dialog.
  using RecordChooser = std::function<std::filesystem::path(const std::filesystem::path& offered)>;

  // "График — Kolvar", not shown yet.
  PlotWindow();
  ~PlotWindow();

  chart::PlotModel& model() { return model_; }
  PlotCanvas& plot() { return *canvas_; }
  // Whether "Следить" shows as pressed.
  bool follow_checked() const;
  HWND follow_button() const { return follow_; }
  HWND journal_button() const { return journal_; }
  HWND background_button() const { return choose_background_; }
  HWND no_background_button() const { return no_background_; }
  // The model took new data.
  void refresh() { canvas_->data_changed(); }

  // A window that follows the run under way opens past records in windows
  // of their own; otherwise a record opened takes this window's place.
  void set_live(bool live) { live_ = live; }
  // Where the window learns the record of the run it draws as it is
  // written (empty between runs): never offered as its own background, and
  // its folder is the one whose runs are listed.
  void set_under_way(std::function<std::filesystem::path()> record) {
    runs_.set_under_way(std::move(record));
  }
  const std::filesystem::path& runs_folder() const { return runs_.runs_folder(); }
  void set_runs_folder(std::filesystem::path folder) { runs_.set_runs_folder(std::move(folder)); }

  // Shows a past run's record; on failure the window keeps what it showed
  // and the reason is returned (empty when it opened).
  std::string open_record(const std::filesystem::path& file);
  // As the operator opens one: here, or in a window of its own beside a live
  // plot; a failure is told in a message box. The window it went to.
  PlotWindow* show_record(const std::filesystem::path& file);
  // The windows of past runs a live plot opened.
  const std::vector<std::unique_ptr<PlotWindow>>& opened() const { return opened_; }

  // From now on the run behind is `choice`'s (shared with the web page);
  // it must outlive the window. Until then the window holds its own.
  void share_background(chart::BackgroundChoice& choice);
  // As open_record, for a past run drawn faded behind.
  std::string open_background(const std::filesystem::path& file);
  void clear_background();
  std::shared_ptr<const chart::BackgroundRun> background() const { return runs_.background(); }
  // What "Фон…" offers first: the newest run of the folder other than the
  // one shown (a past record opened, or the run under way).
  std::filesystem::path offered_background() { return runs_.offered_background(); }
  // "Фон…": the chooser, then the run behind (a failure in a message box).
  void choose_background();
  void set_record_chooser(RecordChooser chooser) { chooser_ = std::move(chooser); }

  // The table of the folder's runs, listed anew and brought to the front.
  RunJournalWindow& show_journal();

 protected:
  LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

 private:
  void lay_out();
  void set_scale(double scale);
  void background_changed();
  void tell_failure(const std::filesystem::path& file, const std::string& reason);

  chart::PlotModel model_;
  journal::PlotRuns runs_;
  RecordChooser chooser_;
  std::unique_ptr<PlotCanvas> canvas_;
  std::unique_ptr<RunJournalWindow> journal_window_;
  std::vector<std::unique_ptr<PlotWindow>> opened_;
  HWND follow_ = nullptr;
  HWND journal_ = nullptr;
  HWND choose_background_ = nullptr;
  HWND no_background_ = nullptr;
  HWND hint_ = nullptr;
  HFONT font_ = nullptr;
  double scale_ = 1;
  bool live_ = false;
};

}  // namespace kolvar::winview
