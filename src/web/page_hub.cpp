#include "web/page_hub.h"

#include "chart/plot_scene.h"
#include "chart/text_measure.h"
#include "chart/time_window.h"
#include "web/svg_scene.h"

namespace kolvar::remote {

namespace {
// A viewer that never asks for the plot must not make the hand-over grow:
// past this many the oldest samples go (the plot is then thinner there).
constexpr std::size_t kMostNews = 4096;
}  // namespace

PageHub::PageHub() = default;

void PageHub::publish(std::shared_ptr<const PageSnapshot> snapshot) {
  std::function<void()> wake;
  {
    const std::lock_guard lock(mutex_);
    latest_ = std::move(snapshot);
    wake = wake_;
  }
  if (wake) wake();
}

void PageHub::run_started(const std::vector<std::string>& settings) {
  const std::lock_guard lock(mutex_);
  news_.clear();  // what came before is past
  news_.emplace_back(Started{settings});
}

void PageHub::sample_taken(const record::Sample& sample) {
  const std::lock_guard lock(mutex_);
  if (news_.size() >= kMostNews) news_.erase(news_.begin() + 1, news_.begin() + kMostNews / 2);
  news_.emplace_back(sample);
}

void PageHub::run_stopped() {
  const std::lock_guard lock(mutex_);
  news_.emplace_back(Stopped{});
}

void PageHub::on_publish(std::function<void()> wake) {
  const std::lock_guard lock(mutex_);
  wake_ = std::move(wake);
}

std::shared_ptr<const PageSnapshot> PageHub::latest() const {
  const std::lock_guard lock(mutex_);
  return latest_;
}

void PageHub::take_plot_news() {
  std::vector<PlotNews> news;
  {
    const std::lock_guard lock(mutex_);
    news.swap(news_);
  }
  for (PlotNews& item : news) {
    if (auto* started = std::get_if<Started>(&item))
      plot_.start(started->settings);
    else if (auto* sample = std::get_if<record::Sample>(&item))
      plot_.add(*sample);
    else
      plot_.stop();
  }
}

std::string PageHub::plot_svg(chart::Size size) {
  take_plot_news();
  std::shared_ptr<const chart::BackgroundRun> behind;
  {
    const std::lock_guard lock(mutex_);
    if (background_) behind = background_->current();
  }
  const chart::Span span =
      chart::shown_span(chart::TimeWindow(), plot_, behind ? &behind->model : nullptr);
  return svg_of(chart::make_scene(plot_, span, size, chart::RoughMeasure(), behind.get()));
}

void PageHub::show_background(const chart::BackgroundChoice* choice) {
  const std::lock_guard lock(mutex_);
  background_ = choice;
}

void PageHub::set_stop(std::function<void()> stop) {
  const std::lock_guard lock(mutex_);
  stop_ = std::move(stop);
}

bool PageHub::can_stop() const {
  const std::lock_guard lock(mutex_);
  return static_cast<bool>(stop_);
}

bool PageHub::request_stop() {
  std::function<void()> stop;
  {
    const std::lock_guard lock(mutex_);
    stop = stop_;
  }
  if (!stop) return false;
  stop();
  return true;
}

}  // namespace kolvar::remote
