#pragma once
// The plot's own window: the plot, the "Следить" button, a past record
// opened, the picture saved as PNG or SVG. Closing it only hides it.
#include <QAction>
#include <QMainWindow>
#include <QString>
#include <optional>

#include "chart/background_run.h"
#include "chart/plot_model.h"
#include "plot/plot_widget.h"

namespace kolvar::plot {

class PlotWindow : public QMainWindow {
 public:
  explicit PlotWindow(QWidget* parent = nullptr);

  chart::PlotModel& model() { return model_; }
  PlotWidget& plot() { return *plot_; }
  QAction& follow_action() { return *follow_; }
  // The model took new data.
  void refresh();

  // A window that follows the run under way opens past records in windows
  // of their own; otherwise a record opened takes this window's place.
  void set_live(bool live) { live_ = live; }

  // Shows a past run's record; on failure the window keeps what it showed
  // and the reason is returned.
  QString open_record(const QString& file);
  // Draws a past run's record faded behind the one shown; on failure the
  // window keeps what it showed and the reason is returned.
  QString open_background(const QString& file);
  const std::optional<chart::BackgroundRun>& background() const { return background_; }
  // The picture as the window shows it, by the file's ending (.svg, else PNG).
  QString save_picture(const QString& file);

 private:
  void choose_record();
  void choose_picture(const QString& filter, const QString& ending);

  chart::PlotModel model_;
  std::optional<chart::BackgroundRun> background_;
  PlotWidget* plot_;
  QAction* follow_;
  bool live_ = false;
};

}  // namespace kolvar::plot
