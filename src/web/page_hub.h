#pragma once
// Where the controller's thread hands the page's data to the server's
// thread. The controller's side only stores under a short lock and returns;
// it never waits for the network or for a viewer. The server's side keeps
// its own copy of the plot, fed from what was handed over.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "chart/background_choice.h"
#include "chart/plot_model.h"
#include "chart/scene.h"
#include "web/page_snapshot.h"

namespace kolvar::remote {

class PageHub {
 public:
  PageHub();

  // --- The controller's thread ---
  // The latest state; the server is woken to push it.
  void publish(std::shared_ptr<const PageSnapshot> snapshot);
  // The run as the record takes it, for the plot.
  void run_started(const std::vector<std::string>& settings);
  void sample_taken(const record::Sample& sample);
  void run_stopped();

  // --- The server's thread ---
  // Told (on the controller's thread) after each publish: it must only post
  // work to the server's own thread. Set before the controller runs.
  void on_publish(std::function<void()> wake);
  // The latest state; null before the first.
  std::shared_ptr<const PageSnapshot> latest() const;
  // Feeds the server's plot with what was handed over since the last call.
  void take_plot_news();
  // The plot of the run, following it, as SVG of `size` pixels, with the
  // run behind it faded when the window has one.
  std::string plot_svg(chart::Size size);

  // --- Any thread ---
  // Where the run behind the window's plot is held; it must outlive the hub.
  void show_background(const chart::BackgroundChoice* choice);
  // What runs the stop on the controller's thread; none when the page may
  // not stop the system.
  void set_stop(std::function<void()> stop);
  bool can_stop() const;
  // Hands the stop to the controller's thread; false when the page may not.
  bool request_stop();

 private:
  struct Started {
    std::vector<std::string> settings;
  };
  struct Stopped {};
  using PlotNews = std::variant<Started, record::Sample, Stopped>;

  mutable std::mutex mutex_;
  std::shared_ptr<const PageSnapshot> latest_;
  std::vector<PlotNews> news_;
  std::function<void()> wake_;
  std::function<void()> stop_;
  const chart::BackgroundChoice* background_ = nullptr;

  // The server's thread alone.
  chart::PlotModel plot_;
};

}  // namespace kolvar::remote
