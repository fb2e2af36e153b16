// The remote settings file, the address and the token: made once, kept, its
// owner's alone, and no page where it cannot be kept.
#include "remote/web_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "remote/web_plan.h"
#include "support/temp_folder.h"

namespace kolvar::remote {
namespace {

using kolvar::testing::TempFolder;

TEST(WebAddress, WhatTheOptionTakes) {
  struct Case {
    const char* text;
    std::optional<WebAddress> address;
    bool loopback;
  };
  const Case cases[] = {
      {"8080", WebAddress{"127.0.0.1", 8080}, true},
      {"0", WebAddress{"127.0.0.1", 0}, true},
      {"127.0.0.1:80", WebAddress{"127.0.0.1", 80}, true},
      {"127.9.9.9:80", WebAddress{"127.9.9.9", 80}, true},
      {"0.0.0.0:8080", WebAddress{"0.0.0.0", 8080}, false},
      {"192.168.1.10:65535", WebAddress{"192.168.1.10", 65535}, false},
      {"[::1]:8080", WebAddress{"::1", 8080}, true},
      {"[::]:8080", WebAddress{"::", 8080}, false},
      {"65536", std::nullopt, false},
      {"-1", std::nullopt, false},
      {"", std::nullopt, false},
      {":8080", std::nullopt, false},
      {"localhost:8080", std::nullopt, false},
      {"256.0.0.1:80", std::nullopt, false},
      {"1.2.3:80", std::nullopt, false},
      {"1.2.3.4.5:80", std::nullopt, false},
      {"1.2.3.4:", std::nullopt, false},
      {"[::1]8080", std::nullopt, false},
      {"[::1::2]:80", std::nullopt, false},
      {"[fe80::1:2]:80", WebAddress{"fe80::1:2", 80}, false},
      {"[1:2:3:4:5:6:7:8]:80", WebAddress{"1:2:3:4:5:6:7:8", 80}, false},
      // Not an IPv6 address, and it would read back as a host name.
      {"[0e08fef]:1", std::nullopt, false},
      {"[1:2:3:4:5:6:7]:80", std::nullopt, false},
      {"[12345::1]:80", std::nullopt, false},
      {"[:1::2]:80", std::nullopt, false},
      {"8080 ", std::nullopt, false},
  };
  for (const Case& c : cases) {
    const std::optional<WebAddress> parsed = parse_web_address(c.text);
    EXPECT_EQ(parsed, c.address) << c.text;
    if (parsed) {
      EXPECT_EQ(is_loopback(*parsed), c.loopback) << c.text;
      EXPECT_EQ(parse_web_address(address_text(*parsed)), parsed) << c.text;
    }
  }
}

TEST(WebSettings, TheFileReadsBackAsWritten) {
  WebSettings s;
  s.web = WebAddress{"0.0.0.0", 8080};
  s.allow_stop = true;
  s.token = std::string(32, 'a');
  EXPECT_EQ(parse_web_settings(web_settings_text(s)), s);
  EXPECT_EQ(parse_web_settings(web_settings_text(WebSettings{})), WebSettings{});
  EXPECT_EQ(parse_web_settings("\r\n# note\n  web = 8080  \r\nallow-stop=no\n").web,
            (WebAddress{"127.0.0.1", 8080}));
}

TEST(WebSettings, AWrongLineIsNamed) {
  for (const char* text : {"web 8080", "web = host:80", "allow-stop = maybe", "token = short",
                           "token = ABCDEF0123456789ABCDEF0123456789", "colour = red"}) {
    try {
      parse_web_settings(std::string("# first\n") + text + "\n");
      ADD_FAILURE() << text;
    } catch (const WebSettingsError& e) {
      EXPECT_TRUE(std::string(e.what()).starts_with("line 2: ")) << e.what();
    }
  }
}

TEST(WebSettings, NotepadsByteOrderMarkIsSkipped) {
  EXPECT_EQ(parse_web_settings("\xEF\xBB\xBF"
                               "web = 8080\r\n")
                .web,
            (WebAddress{"127.0.0.1", 8080}));
  EXPECT_EQ(parse_web_settings("\xEF\xBB\xBF# Kolvar\n").web, std::nullopt);
  // Only at the start.
  EXPECT_THROW(parse_web_settings("web = 8080\n\xEF\xBB\xBF"
                                  "allow-stop = no\n"),
               WebSettingsError);
}

TEST(WebSettings, WhatIsNoRegularFileOrTooLargeIsRefusedByName) {
  TempFolder folder;
  const auto message = [](const std::filesystem::path& file) {
    try {
      load_web_settings(file);
      return std::string("read");
    } catch (const WebSettingsError& e) {
      return std::string(e.what());
    }
  };
  std::filesystem::create_symlink("/dev/zero", folder.file("zero.conf"));
  EXPECT_EQ(message(folder.file("zero.conf")),
            folder.file("zero.conf").string() + ": not a regular file");
  ASSERT_EQ(::mkfifo(folder.file("fifo.conf").c_str(), 0600), 0);
  EXPECT_EQ(message(folder.file("fifo.conf")),
            folder.file("fifo.conf").string() + ": not a regular file");
  // Comments alone, yet more than a settings file could need.
  std::ofstream(folder.file("big.conf")) << std::string(64 * 1024, '#') << "\n";
  EXPECT_EQ(message(folder.file("big.conf")),
            folder.file("big.conf").string() + ": larger than 64 KiB");
  EXPECT_THROW(plan_web({WebAddress{"127.0.0.1", 8080}, false}, folder.file("zero.conf")),
               WebRefusal);
  EXPECT_EQ(message(folder.file("missing.conf")), "read");
}

TEST(WebToken, FreshTokensAreLongAndDiffer) {
  const std::string a = make_token(), b = make_token();
  EXPECT_TRUE(good_token(a));
  EXPECT_EQ(a.size(), 32u);  // 128 bits
  EXPECT_NE(a, b);
}

mode_t mode_of(const std::filesystem::path& file) {
  struct stat st {};
  ::stat(file.c_str(), &st);
  return st.st_mode & 0777;
}

TEST(WebPlan, NothingAskedNothingServed) {
  TempFolder folder;
  EXPECT_FALSE(plan_web({}, folder.file("kolvar-web.conf")));
  EXPECT_TRUE(folder.names().empty());
}

TEST(WebPlan, ThisMachineAloneNeedsNoToken) {
  TempFolder folder;
  const auto plan = plan_web({WebAddress{"127.0.0.1", 8080}, false}, folder.file("web.conf"));
  ASSERT_TRUE(plan);
  EXPECT_FALSE(plan->token);
  EXPECT_FALSE(plan->token_for_reading);
  EXPECT_EQ(page_url(*plan, 8080), "http://127.0.0.1:8080/");
  EXPECT_TRUE(folder.names().empty());
}

TEST(WebPlan, BeyondThisMachineATokenIsMadeOnceAndKeptPrivate) {
  TempFolder folder;
  const auto file = folder.file("kolvar-web.conf");
  const WebCommandLine network{WebAddress{"0.0.0.0", 8080}, false};
  const auto first = plan_web(network, file);
  ASSERT_TRUE(first && first->token);
  EXPECT_TRUE(first->token_for_reading);
  EXPECT_EQ(mode_of(file), 0600u);
  EXPECT_EQ(load_web_settings(file).token, *first->token);
  // The command line is not written: the file's own choice stays off.
  EXPECT_FALSE(load_web_settings(file).web);
  const auto second = plan_web(network, file);
  EXPECT_EQ(second->token, first->token);
  EXPECT_EQ(page_url(*second, 8080, "192.168.1.5"),
            "http://192.168.1.5:8080/?token=" + *first->token);
}

TEST(WebPlan, TheStopNeedsATokenEvenOnThisMachine) {
  TempFolder folder;
  const auto plan = plan_web({WebAddress{"127.0.0.1", 0}, true}, folder.file("web.conf"));
  ASSERT_TRUE(plan && plan->token);
  EXPECT_TRUE(plan->allow_stop);
  EXPECT_FALSE(plan->token_for_reading);
}

TEST(WebPlan, TheFileKeepsThePageOn) {
  TempFolder folder;
  const auto file = folder.file("web.conf");
  std::ofstream(file) << "web = 9000\nallow-stop = yes\n";
  const auto plan = plan_web({}, file);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->address, (WebAddress{"127.0.0.1", 9000}));
  EXPECT_TRUE(plan->allow_stop);
  // The token joined the file; its other lines stay.
  const WebSettings kept = load_web_settings(file);
  EXPECT_EQ(kept.web, plan->address);
  EXPECT_TRUE(kept.allow_stop);
  EXPECT_EQ(kept.token, *plan->token);
  // The command line wins.
  EXPECT_FALSE(plan_web({WebAddress{"127.0.0.1", 9001}, false}, file)->allow_stop);
}

TEST(WebPlan, AFileOthersCanReadIsMadePrivateBeforeItsTokenIsUsed) {
  TempFolder folder;
  const auto file = folder.file("web.conf");
  std::ofstream(file) << "token = " << std::string(32, '7') << "\n";
  std::filesystem::permissions(file, std::filesystem::perms(0644));
  const auto plan = plan_web({WebAddress{"0.0.0.0", 1}, false}, file);
  EXPECT_EQ(plan->token, std::string(32, '7'));
  EXPECT_EQ(mode_of(file), 0600u);
}

TEST(WebPlan, NoTokenKeptNoPage) {
  TempFolder folder;
  // A folder that cannot be written (as root every folder can: then a file
  // that is a folder stands in).
  const auto locked = folder.file("locked");
  std::filesystem::create_directory(locked);
  std::filesystem::create_directory(locked / "web.conf");
  EXPECT_THROW(plan_web({WebAddress{"0.0.0.0", 8080}, false}, locked / "web.conf"), WebRefusal);
  std::filesystem::permissions(
      locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (::geteuid() != 0) {  // root writes anyway
    EXPECT_THROW(plan_web({WebAddress{"0.0.0.0", 8080}, false}, locked / "other.conf"), WebRefusal);
  }
  // A wrong file refuses too, rather than serving with less than it says.
  const auto wrong = folder.file("wrong.conf");
  std::ofstream(wrong) << "allow-stop = perhaps\n";
  EXPECT_THROW(plan_web({WebAddress{"127.0.0.1", 8080}, false}, wrong), WebRefusal);
}

TEST(WebOptions, TheCommandLine) {
  const std::vector<std::string> args = {"--web", "0.0.0.0:80", "--web-allow-stop", "--other"};
  WebCommandLine options;
  std::size_t i = 0;
  EXPECT_TRUE(take_web_option(args, i, options));
  EXPECT_EQ(i, 1u);
  i = 2;
  EXPECT_TRUE(take_web_option(args, i, options));
  i = 3;
  EXPECT_FALSE(take_web_option(args, i, options));
  EXPECT_EQ(options.web, (WebAddress{"0.0.0.0", 80}));
  EXPECT_TRUE(options.allow_stop);
  const std::vector<std::string> wrong = {"--web", "example.org:80"};
  i = 0;
  EXPECT_THROW(take_web_option(wrong, i, options), std::invalid_argument);
  const std::vector<std::string> missing = {"--web"};
  i = 0;
  EXPECT_THROW(take_web_option(missing, i, options), std::invalid_argument);
  EXPECT_THROW(check_web_options({std::nullopt, true}), std::invalid_argument);
}

}  // namespace
}  // namespace kolvar::remote
