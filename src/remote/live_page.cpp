#include "remote/live_page.h"

namespace kolvar::remote {

namespace {

ServerOptions server_options(const WebPlan& plan) {
  ServerOptions options;
  options.address = plan.address;
  options.guard = {plan.token, plan.token_for_reading};
  return options;
}

}  // namespace

LivePage::LivePage(form::Controller& c, record::RunRecord& record, const WebPlan& plan,
                   PagePublisher::StatusLine status_line, const platform::WallClock& wall,
                   PostToController post)
    : publisher_(c, record, hub_, std::move(status_line), wall),
      server_(hub_, server_options(plan)),
      url_(page_url(plan, server_.port(), network_address())) {
  if (plan.allow_stop)
    hub_.set_stop([&c, post = std::move(post)] { post([&c] { remote_stop(c); }); });
  publisher_.publish_now();
}

}  // namespace kolvar::remote
