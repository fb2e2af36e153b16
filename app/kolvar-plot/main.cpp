// kolvar-plot: a run record in the plot window, or its plot as PNG or SVG
// for scripts (rendered offscreen: no display needed).
#include <QApplication>
#include <QSize>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "chart/background_run.h"
#include "chart/record_file.h"
#include "chart/time_window.h"
#include "journal/run_table.h"
#include "kolvar-plot/options.h"
#include "platform/command_line.h"
#include "plot/plot_export.h"
#include "plot/plot_window.h"

namespace {

using kolvar::chart::BackgroundRun;
using kolvar::chart::PlotModel;

constexpr int kBad = 2;

// The background run asked for, or none; false (with the reason told) when
// its record cannot be read.
bool read_background(const kolvar::plotapp::Options& o, std::optional<BackgroundRun>& behind) {
  if (!o.background) return true;
  try {
    behind = kolvar::chart::load_background(std::filesystem::path(*o.background));
  } catch (const std::exception& e) {
    std::cerr << "kolvar-plot: " << *o.background << ": " << e.what() << "\n";
    return false;
  }
  return true;
}

int export_pictures(const kolvar::plotapp::Options& o) {
  PlotModel model;
  try {
    kolvar::chart::load_record(std::filesystem::path(*o.record), model);
  } catch (const std::exception& e) {
    std::cerr << "kolvar-plot: " << *o.record << ": " << e.what() << "\n";
    return kBad;
  }
  std::optional<BackgroundRun> behind;
  if (!read_background(o, behind)) return kBad;
  const BackgroundRun* under = behind ? &*behind : nullptr;
  const auto span = kolvar::chart::shown_span(kolvar::chart::TimeWindow(), model,
                                              under ? &under->model : nullptr);
  const QSize size(o.width, o.height);
  int rc = 0;
  auto save = [&](const std::optional<std::string>& file, auto&& saver) {
    if (!file) return;
    const QString error = saver(model, span, size, QString::fromStdString(*file), under);
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
  if (o.background) {
    if (const QString error = window.open_background(QString::fromStdString(*o.background));
        !error.isEmpty()) {
      std::cerr << "kolvar-plot: " << *o.background << ": " << error.toStdString() << "\n";
      return kBad;
    }
  }
  window.show();
  return QApplication::exec();
}
