// The scenario language: commands, output and exit codes.
#include "kolvar-headless/scenario_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "form/json_text.h"
#include "support/temp_folder.h"

namespace kolvar::ui {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

Outcome run(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  int code = headless::run_scenario(in, out, err);
  return {code, out.str(), err.str()};
}

class ScenarioRunner : public kolvar::testing::InFreshFolder {
 protected:
};

TEST_F(ScenarioRunner, PrintAndExpectReachEveryPropertyWithMainPropertyByKind) {
  Outcome r =
      run("# comment\n\n"
          "print T(1)\nprint V(1)\nprint pin(0)\nprint liquid\nprint Timer2\n"
          "print News.tag\nprint T2(3).tooltip\nprint sound_ch\nprint Form1\n"
          "expect T(1).caption 55\nexpect News \"Режим работы не выбран\\r\\n\"\n"
          "expect Timer2.interval 400\nexpect N(1) x\n");
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.out,
            "T(1).caption=\"55\"\nV(1).value=\"880\"\npin(0).text=\"0\"\nliquid.checked=\"True\"\n"
            "Timer2.on=\"True\"\nNews.tag=\"1\"\n"
            "T2(3).tooltip=\"Температура отключения системы при окончании процесса\"\n"
            "sound_ch.value=\"1\"\nForm1.caption=\"Kolvar\"\n");
  EXPECT_EQ(r.err, "line 15: unknown control \"N(1)\"\n");
}

TEST_F(ScenarioRunner, AFailedExpectationStopsWithOne) {
  Outcome r = run("expect T(1).caption 56\nprint T(1)\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "FAIL line 1: T(1).caption is \"55\", expected \"56\"\n");
}

TEST_F(ScenarioRunner, ScriptErrorsNameTheLineAndTheProblem) {
  const std::pair<const char*, const char*> cases[] = {
      {"frobnicate\n", "line 1: unknown command \"frobnicate\""},
      {"print T(9)\n", "line 1: unknown control \"T(9)\""},
      {"print T(1).colour\n", "line 1: unknown property \"colour\" of T(1) (a label)"},
      {"advance soon\n", "line 1: not a number: \"soon\""},
      {"\nset V(1) 1001\n", "line 2: V(1) takes 1000..200, not 1001"},
      {"set Timer5.interval 70000\n", "Timer5"},
      {"set Timer5.on maybe\n", "line 1: not True or False: maybe"},
      {"click Tune\n", "line 1: no click handler for Tune"},
      {"fail port3 on\n", "line 1: nothing called \"port3\" can be made to fail"},
      {"decimal ;\n", "line 1:"},
      {"set sound_ch 2\n", "line 1: a check box takes 0 or 1, not 2"},
  };
  for (auto [script, message] : cases) {
    Outcome r = run(std::string(script) + "print T(1)\n");
    EXPECT_EQ(r.code, 2) << script;
    EXPECT_NE(r.err.find(message), std::string::npos) << script << " gave " << r.err;
    EXPECT_EQ(r.out, "") << "nothing runs after a script error: " << script;
  }
}

TEST_F(ScenarioRunner, SetEditsAndSetsPropertiesDirectly) {
  Outcome r =
      run("set T(3).enabled False\nexpect T(3).enabled False\n"
          "set wait.text -1\nexpect wait -1\n"
          "set Path /opt/temp keeper/keeper\nexpect Path /opt/temp keeper/keeper\n"
          "set News.backcolor 255,200,200\nexpect News.backcolor 255,200,200\n"
          "set V(1) 900\nexpect V(1) 900\n"
          "click sound_ch\nexpect sound_ch 0\nset sound_ch 1\nexpect sound_ch 1\n"
          "set LogPath(1)\nexpect LogPath(1) \"\"\n");
  EXPECT_EQ(r.code, 0) << r.out << r.err;
}

TEST_F(ScenarioRunner, FilesAreWrittenVerbatimWithCrLf) {
  Outcome r =
      run("write a.log 10:00:00  x  \nappend a.log second\nwrite b.log\nappend c.log\n"
          "remove b.log\n");
  ASSERT_EQ(r.code, 0) << r.err;
  std::ifstream a("a.log", std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(a)), {});
  EXPECT_EQ(content, "10:00:00  x  \r\nsecond\r\n");
  EXPECT_FALSE(std::filesystem::exists("b.log"));
  EXPECT_EQ(std::filesystem::file_size("c.log"), 2u);
}

TEST_F(ScenarioRunner, DumpIsOneJsonLineWithEveryControl) {
  Outcome r = run("dump\n");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
  for (const char* part : {"\"T(1)\":{\"caption\":\"55\"", "\"pin(7)\":{\"text\":\"0\"",
                           "\"Timer3\":{\"on\":\"False\"", "\"Form1\":{\"caption\":\"Kolvar\"",
                           "\"News\":{\"text\":\"Режим работы не выбран\\r\\n\"",
                           "\"V(1)\":{\"value\":\"880\",\"min\":\"1000\",\"max\":\"200\"",
                           "\"Shape1\":{\"backcolor\":\"240,240,240\""})
    EXPECT_NE(r.out.find(part), std::string::npos) << part;
}

TEST_F(ScenarioRunner, AdvanceFiresTimersAndPrintsTheirEvents) {
  // The end of a lift movement writes the port when its timer fires.
  Outcome r =
      run("set Timer2.on False\nset Timer5.interval 250\nset Timer5.on True\nadvance 1000\n"
          "expect Timer5.on False\nfail port1 on\nfail port2 missing\nset Timer6.on True\n"
          "advance 1000\n");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(
      r.out,
      "@250 port 0\n@2000 msgbox \"LPT driver error\\r\\nIstall dlportio.dll or inpout32.dll\"\n");
}

TEST(JsonText, QuoteAndUnquoteRoundTrip) {
  const std::string texts[] = {"", "plain", "Клапан закрыт\r\n", "a\"b\\c\td",
                               std::string("\x01\x1f", 2)};
  for (const auto& t : texts) EXPECT_EQ(form::json_unquote(form::json_quote(t)), t);
  EXPECT_EQ(form::json_quote("\x01"), "\"\\u0001\"");
  EXPECT_EQ(form::json_unquote("\"\\u041a\""), "К");
  EXPECT_EQ(form::json_unquote("\"\\ud83d\\ude00\""), "\xF0\x9F\x98\x80");
  EXPECT_FALSE(form::json_unquote("\"open"));
  EXPECT_FALSE(form::json_unquote("\"a\"b\""));
  EXPECT_FALSE(form::json_unquote("\"\\x\""));
}

}  // namespace
}  // namespace kolvar::ui
