// kolvar-plot: a run record in the plot window, or its plot as PNG or SVG
// for scripts (rendered offscreen: no display needed).
#include <QApplication>
#include <QSize>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "chart/record_file.h"
#include "chart/time_window.h"
#include "journal/run_table.h"
#include "kolvar-plot/options.h"
#include "platform/command_line.h"
#include "plot/plot_export.h"
#include "plot/plot_window.h"

namespace {

using kolvar::chart::PlotModel;

constexpr int kBad = 2;

int export_pictures(const kolvar::plotapp::Options& o) {
  PlotModel model;
  try {
    kolvar::chart::load_record(std::filesystem::path(*o.record), model);
  } catch (const std::exception& e) {
    std::cerr << "kolvar-plot: " << *o.record << ": " << e.what() << "\n";
    return kBad;
  }
  const kolvar::chart::TimeWindow whole;
  const auto& points = model.points();
  const auto span =
      points.empty() ? whole.span(0, 0) : whole.span(points.first_time(), points.last_time());
  const QSize size(o.width, o.height);
  int rc = 0;
  auto save = [&](const std::optional<std::string>& file, auto&& saver) {
    if (!file) return;
    const QString error = saver(model, span, size, QString::fromStdString(*file));
    if (error.isEmpty()) return;
    std::cerr << "kolvar-plot: " << *file << ": " << error.toStdString() << "\n";
    rc = kBad;
  };
  save(o.png, kolvar::plot::save_png);
  save(o.svg, kolvar::plot::save_svg);
  return rc;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  switch (kolvar::platform::standard_option(args)) {
    case kolvar::platform::StandardOption::Help:
      std::cout << kolvar::plotapp::kUsage;
      return 0;
    case kolvar::platform::StandardOption::Version:
      std::cout << kolvar::platform::version_line("kolvar-plot");
      return 0;
    case kolvar::platform::StandardOption::None:
      break;
  }
  kolvar::plotapp::Options o;
  try {
    o = kolvar::plotapp::parse_options(args);
  } catch (const std::exception& e) {
    std::cerr << "kolvar-plot: " << e.what() << "\n" << kolvar::plotapp::kUsage;
    return kBad;
  }
  if (o.runs)
    return kolvar::journal::print_runs(
        *o.runs, o.csv ? kolvar::journal::TableForm::Csv : kolvar::journal::TableForm::Text,
        std::cout, std::cerr);
  const bool pictures = o.png || o.svg;
  // Pictures need no display: a script may run where there is none.
  if (pictures && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolvar"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kolvar"));
  if (pictures) return export_pictures(o);

  kolvar::plot::PlotWindow window;
  if (o.record) {
    if (const QString error = window.open_record(QString::fromStdString(*o.record));
        !error.isEmpty()) {
      std::cerr << "kolvar-plot: " << *o.record << ": " << error.toStdString() << "\n";
      return kBad;
    }
  }
  window.show();
  return QApplication::exec();
}
