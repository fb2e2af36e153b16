#pragma once
// The page of a program's run, whole: the hand-over, the controller's side
// that fills it and the server that reads it. A program makes one when its
// plan says so and keeps it until its controller's last event.
#include <functional>
#include <string>

#include "form/controller.h"
#include "record/run_record.h"
#include "remote/web_plan.h"
#include "web/page_hub.h"
#include "web/page_publisher.h"
#include "web/web_server.h"

namespace kolvar::remote {

class LivePage {
 public:
  // Runs `work` on the controller's thread, in the program's own loop (the
  // window's event loop, the headless run's steps), as an operator input.
  using PostToController = std::function<void(std::function<void()> work)>;

  // Starts serving; throws BindError. The stop is offered only when the
  // plan allows it.
  LivePage(form::Controller& c, record::RunRecord& record, const WebPlan& plan,
           PagePublisher::StatusLine status_line, const platform::WallClock& wall,
           PostToController post);

  // The address to open, with the token when there is one.
  const std::string& url() const { return url_; }
  std::uint16_t port() const { return server_.port(); }
  std::size_t viewers() const { return server_.viewers(); }
  // A snapshot now (after the program's start).
  void publish() { publisher_.publish_now(); }
  // The page's plot shows the run behind the window's from now on, and its
  // state names it; `choice` must outlive the page.
  void show_background(chart::BackgroundChoice& choice) {
    hub_.show_background(&choice);
    publisher_.follow_background(choice);
    publisher_.publish_now();
  }

 private:
  PageHub hub_;
  PagePublisher publisher_;
  WebServer server_;
  std::string url_;
};

}  // namespace kolvar::remote
