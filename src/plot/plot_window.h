#pragma once
// The plot's own window: the plot, the "Следить" button, a past record
// opened, the table of past runs, a past run behind, the picture saved as
// PNG or SVG. Closing it only hides it.
#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "chart/background_choice.h"
#include "chart/background_run.h"
#include "chart/plot_model.h"
#include "journal/plot_runs.h"
#include "plot/plot_widget.h"

namespace kolvar::plot {

class RunJournalDialog;

class PlotWindow : public QMainWindow {
 public:
  // Asks the operator for a record, `offered` chosen first; empty when none
  // is chosen. The window's own opens a file dialog.
  using RecordChooser = std::function<QString(const QString& offered)>;

  explicit PlotWindow(QWidget* parent = nullptr);
  ~PlotWindow() override;

  chart::PlotModel& model() { return model_; }
  PlotWidget& plot() { return *plot_; }
  QAction& follow_action() { return *follow_; }
  QAction& background_action() { return *choose_background_; }
  QAction& no_background_action() { return *no_background_; }
  QAction& journal_action() { return *journal_; }
  // The model took new data.
  void refresh();

  // A window that follows the run under way opens past records in windows
  // of their own; otherwise a record opened takes this window's place.
  void set_live(bool live) { live_ = live; }
  // Where the window learns the record of the run it draws as it is
  // written (empty between runs): never offered as its own background, and
  // its folder is the one whose runs are listed.
  void set_under_way(std::function<std::filesystem::path()> record) {
    runs_.set_under_way(std::move(record));
  }
  // Where the table of runs and the background's chooser look: the folder
  // of the record shown ("runs" until one is).
  const std::filesystem::path& runs_folder() const { return runs_.runs_folder(); }
  void set_runs_folder(std::filesystem::path folder) { runs_.set_runs_folder(std::move(folder)); }

  // Shows a past run's record; on failure the window keeps what it showed
  // and the reason is returned.
  QString open_record(const QString& file);
  // As the operator opens one: in this window, or in a new one beside a
  // live plot; a failure is told in a message box. The window it went to.
  PlotWindow* show_record(const QString& file);

  // From now on the run behind is `choice`'s (shared with the web page);
  // it must outlive the window. Until then the window holds its own.
  void share_background(chart::BackgroundChoice& choice);
  // Draws a past run's record faded behind the one shown; on failure the
  // window keeps what it showed and the reason is returned.
  QString open_background(const QString& file);
  void clear_background();
  std::shared_ptr<const chart::BackgroundRun> background() const { return runs_.background(); }
  // What "Фон…" offers first: the newest run of the folder other than the
  // one shown (a past record opened, or the run under way); empty when there
  // is none.
  QString offered_background();
  // "Фон…": the chooser, then the run behind (a failure in a message box).
  void choose_background();
  void set_record_chooser(RecordChooser chooser) { chooser_ = std::move(chooser); }

  // The table of the folder's runs, listed anew and brought to the front.
  RunJournalDialog& show_journal();

  // The picture as the window shows it, by the file's ending (.svg, else PNG).
  QString save_picture(const QString& file);

 private:
  void choose_record();
  void choose_picture(const QString& filter, const QString& ending);
  void background_changed();

  chart::PlotModel model_;
  journal::PlotRuns runs_;
  RecordChooser chooser_;
  QPointer<RunJournalDialog> journal_dialog_;
  PlotWidget* plot_;
  QAction* follow_;
  QAction* journal_;
  QAction* choose_background_;
  QAction* no_background_;
  bool live_ = false;
};

}  // namespace kolvar::plot
