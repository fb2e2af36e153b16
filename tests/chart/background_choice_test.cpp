// The run behind the live plot, held once for the window and the page.
#include "chart/background_choice.h"

#include <gtest/gtest.h>

#include <thread>

namespace kolvar::chart {
namespace {

std::shared_ptr<const BackgroundRun> run_named(const std::string& label) {
  auto run = std::make_shared<BackgroundRun>();
  run->label = label;
  return run;
}

TEST(BackgroundChoice, TellsEachChangeAndAReaderKeepsTheRunItTook) {
  BackgroundChoice choice;
  EXPECT_FALSE(choice.current());
  int told = 0;
  std::string seen;
  const std::size_t id = choice.listen([&] {
    ++told;
    const auto now = choice.current();  // a listener may read it
    seen = now ? now->label : "none";
  });
  choice.set(run_named("Фон: a.csv"));
  EXPECT_EQ(told, 1);
  EXPECT_EQ(seen, "Фон: a.csv");

  const std::shared_ptr<const BackgroundRun> drawing = choice.current();
  choice.set(run_named("Фон: b.csv"));
  EXPECT_EQ(drawing->label, "Фон: a.csv") << "the page draws on with what it took";
  choice.clear();
  EXPECT_EQ(seen, "none");
  EXPECT_EQ(told, 3);

  choice.forget(id);
  choice.set(run_named("Фон: c.csv"));
  EXPECT_EQ(told, 3) << "a listener forgotten is not told";
}

TEST(BackgroundChoice, ReadOnOneThreadWhileSetOnAnother) {
  BackgroundChoice choice;
  std::thread reader([&] {
    for (int i = 0; i < 2000; ++i) {
      if (const auto run = choice.current()) {
        ASSERT_EQ(run->label.rfind("Фон", 0), 0u);
      }
    }
  });
  for (int i = 0; i < 2000; ++i)
    choice.set(i % 3 ? run_named("Фон: " + std::to_string(i)) : nullptr);
  reader.join();
}

}  // namespace
}  // namespace kolvar::chart
