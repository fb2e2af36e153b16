// kolvar's command line on both toolkits: what it takes, what it refuses,
// and the usage that says so.
#include "launch/kolvar_options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kolvar::launch {
namespace {

TEST(KolvarOptions, TakeTheWebPageTheAlertsAndWhereThereIsGpioThePort) {
  const KolvarOptions o =
      parse_kolvar_options({"--web", "8080", "--web-allow-stop", "--mqtt", "mqtt://127.0.0.1:1883",
                            "--port", "gpio:gpiochip0:17,18,-,-,-,-,-,27"},
                           true);
  ASSERT_TRUE(o.web.web);
  EXPECT_EQ(o.web.web->port, 8080);
  EXPECT_TRUE(o.web.allow_stop);
  EXPECT_TRUE(o.alerts.any());
  EXPECT_TRUE(o.port);
  const KolvarOptions none = parse_kolvar_options({}, false);
  EXPECT_FALSE(none.web.given());
  EXPECT_FALSE(none.alerts.any());
  EXPECT_FALSE(none.port);
}

TEST(KolvarOptions, RefuseWhatTheyDoNotTakeAndSayTheUsage) {
  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--frobnicate"},
                                                {"--web-allow-stop"},
                                                {"--web"},
                                                {"stray"},
                                                {"--mqtt"}}) {
    EXPECT_THROW(parse_kolvar_options(wrong, true), std::invalid_argument) << wrong[0];
  }
  // Without GPIO (Windows) --port is an unknown option, never silently dropped.
  EXPECT_THROW(parse_kolvar_options({"--port", "gpio:gpiochip0:1,2,3,4,5,6,7,8"}, false),
               std::invalid_argument);

  std::vector<std::string> args{"kolvar", "--nope"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream err;
  const std::string usage = kolvar_usage(false, false);
  EXPECT_FALSE(kolvar_options_or_usage(2, argv.data(), false, usage, err));
  EXPECT_EQ(err.str(), "kolvar: unknown option or argument --nope\n" + usage);
}

TEST(KolvarOptions, TheUsageListsWhatEachSystemTakes) {
  const std::string linux_usage = kolvar_usage(true, true);
  const std::string windows_usage = kolvar_usage(false, false);
  for (const std::string& usage : {linux_usage, windows_usage}) {
    EXPECT_EQ(usage.rfind("usage: kolvar ", 0), 0u);
    for (const char* option : {"--web", "--web-allow-stop", "--push", "--mqtt", "--test-alert"})
      EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
  EXPECT_NE(linux_usage.find("--port gpio:"), std::string::npos);
  EXPECT_NE(linux_usage.find("Qt's own options"), std::string::npos);
  EXPECT_EQ(windows_usage.find("--port"), std::string::npos);
  EXPECT_EQ(windows_usage.find("Qt"), std::string::npos);
}

}  // namespace
}  // namespace kolvar::launch
