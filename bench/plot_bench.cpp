// The plot of a run: adding a cycle's sample, and painting the picture the
// window shows (1000x500) after one hour and after 48 hours of 2-second
// cycles. Both must cost about the same, and the model's memory must not
// grow with the run.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "chart/plot_model.h"
#include "chart/time_window.h"
#include "plot/plot_painter.h"

namespace {

using kolvar::chart::PlotModel;
using kolvar::platform::Millis;

constexpr Millis kCycle = 2000;
constexpr std::int64_t kHour = 1800;  // cycles

// Painting text needs an application; one for the whole program.
void application() {
  static int argc = 1;
  static char name[] = "plot_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return std::make_unique<QApplication>(argc, argv);
  }();
}

std::string degrees(double v) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

// A run's cycle i: a head that wanders about its threshold, a tank that
// warms, the valve open two cycles in three.
kolvar::record::Sample sample(std::int64_t i) {
  const double t = static_cast<double>(i);
  kolvar::record::Sample s;
  s.since_start = i * kCycle;
  const double read[] = {78.4 + 0.3 * std::sin(t / 40), 80 + std::sin(t / 300),
                         84 + 12 * t / (48 * kHour), 25 + 0.8 * std::sin(t / 7)};
  for (std::size_t r = 0; r < 4; ++r) {
    s.temperatures[r] = degrees(read[r]);
    s.degrees[r] = read[r];
  }
  s.thresholds = {784, 800, 960, 400, 350};
  s.valve_open = i % 3 != 0;
  s.news = "Дефлегматор в норме\r\nНасадка в норме\r\n";
  return s;
}

void feed(PlotModel& model, std::int64_t from, std::int64_t to) {
  for (std::int64_t i = from; i < to; ++i) model.add(sample(i));
}

long resident_kib() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// The resident memory a plot model takes over 48 hours of cycles; first, so
// that no memory freed by another benchmark hides its growth.
void BM_PlotModelMemory(benchmark::State& state) {
  for (auto _ : state) {
    const long before = resident_kib();
    PlotModel model;
    feed(model, 0, 48 * kHour);
    state.counters["rss_growth_MiB"] = static_cast<double>(resident_kib() - before) / 1024;
    state.counters["model_KiB"] =
        static_cast<double>(model.points().bytes() +
                            model.open_periods().capacity() * sizeof(kolvar::chart::Period)) /
        1024;
  }
}
BENCHMARK(BM_PlotModelMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Adding a cycle's sample late in a long run.
void BM_PlotAddSample(benchmark::State& state) {
  PlotModel model;
  feed(model, 0, 48 * kHour);
  std::int64_t i = 48 * kHour;
  for (auto _ : state) model.add(sample(i++));
}
BENCHMARK(BM_PlotAddSample);

// The whole run painted at the window's size.
void BM_PlotRedraw(benchmark::State& state) {
  application();
  PlotModel model;
  feed(model, 0, state.range(0) * kHour);
  const kolvar::chart::TimeWindow whole;
  const auto span = whole.span(model.points().first_time(), model.points().last_time());
  QImage image(1000, 500, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    kolvar::plot::paint_plot(painter, image.size(), model, span);
  }
  state.counters["hours"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_PlotRedraw)->Arg(1)->Arg(48)->Unit(benchmark::kMillisecond);

}  // namespace
