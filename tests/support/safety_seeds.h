#pragma once
// Whole random runs of SafetyRun drawn from a seed: the unit test's fixed
// seeds and the soak's fresh ones play the same runs against the same rules.
// A run that breaks a rule is cut down to the fewest steps that still break
// it, for a person to read.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/safety_run.h"
#include "support/shrink.h"

namespace kolvar::testing {

inline constexpr int kSafetySteps = 100;

// What one step drew: the numbers picked and the texts typed, in order.
struct StepDraws {
  std::vector<std::uint32_t> picks;
  std::vector<std::string> texts;
};

// A run's draws: those of its start, then one entry per step.
struct RunDraws {
  StepDraws start;
  std::vector<StepDraws> steps;
};

struct RunOutcome {
  std::string rule;                // the first rule broken; empty when none
  std::vector<std::string> steps;  // what each step did, the breaking one last
  int stops = 0;                   // times the column went into its stop
  int operator_stops = 0;          // of those, by the operator's "Стоп системы"
};

namespace safety_detail {

// Plays a run in the current folder from the given draws, stopping at the
// first broken rule. next_step() is called before each step.
template <class NextStep>
RunOutcome play(const SafetyRun::Pick& pick, const SafetyRun::Text& text, int steps,
                NextStep next_step) {
  RunOutcome outcome;
  std::error_code ec;
  std::filesystem::remove("mytunes.log", ec);
  std::filesystem::remove("keeper.log", ec);
  try {
    SafetyRun run(pick, text);
    for (int step = 0; step < steps; ++step) {
      next_step();
      const bool was_stopped = run.stopped();
      try {
        run.step();
      } catch (const std::exception& error) {
        outcome.steps.push_back(run.last_step());
        outcome.rule = std::string("a step failed: ") + error.what();
        break;
      }
      outcome.steps.push_back(run.last_step());
      if (!was_stopped && run.stopped()) {
        ++outcome.stops;
        if (run.last_step() == "Стоп системы") ++outcome.operator_stops;
      }
      if (!run.last_rule().empty()) {
        outcome.rule = run.last_rule();
        break;
      }
    }
  } catch (const std::exception& error) {
    outcome.rule = std::string("the start failed: ") + error.what();
  }
  std::filesystem::remove("mytunes.log", ec);
  std::filesystem::remove("keeper.log", ec);
  return outcome;
}

}  // namespace safety_detail

// The run of a seed, in the current folder. With draws, what it drew is kept
// there for a replay.
inline RunOutcome run_seed(std::uint32_t seed, RunDraws* draws = nullptr,
                           int steps = kSafetySteps) {
  static const char* const texts[] = {"0",     "1",   "3", "500", "1000",  "5000",
                                      "-1000", "2.5", "",  "abc", "65536", "99999999999999999999",
                                      "1e3",   " 7 "};
  std::mt19937 rng(seed);
  StepDraws ignored;
  StepDraws* into = draws ? &draws->start : &ignored;
  return safety_detail::play(
      [&](std::uint32_t n) {
        const std::uint32_t picked = rng() % n;
        into->picks.push_back(picked);
        return picked;
      },
      [&] {
        std::string typed = texts[rng() % std::size(texts)];
        into->texts.push_back(typed);
        return typed;
      },
      steps,
      [&] {
        if (draws)
          into = &draws->steps.emplace_back();
        else
          ignored = {};
      });
}

// Plays recorded draws again. A step that asks for more than it drew (the
// steps before it were removed, so it finds another state) gets zeros and
// empty texts; a number is taken below whatever bound the step now asks.
inline RunOutcome replay(const RunDraws& draws) {
  const StepDraws* from = &draws.start;
  std::size_t pick = 0, text = 0, step = 0;
  return safety_detail::play(
      [&](std::uint32_t n) { return pick < from->picks.size() ? from->picks[pick++] % n : 0; },
      [&] { return text < from->texts.size() ? from->texts[text++] : std::string(); },
      static_cast<int>(draws.steps.size()),
      [&] {
        from = &draws.steps[step++];
        pick = text = 0;
      });
}

// The fewest steps of the seed's run that still break the rule it broke.
inline RunDraws shortest_failing(std::uint32_t seed) {
  RunDraws draws;
  const RunOutcome first = run_seed(seed, &draws);
  if (first.rule.empty()) return draws;
  draws.steps = shrink(draws.steps, [&](const std::vector<StepDraws>& fewer) {
    return replay(RunDraws{draws.start, fewer}).rule == first.rule;
  });
  return draws;
}

// For a person: the seed, the rule, and the fewest steps that break it.
inline std::string failure_report(std::uint32_t seed) {
  const RunOutcome whole = run_seed(seed);
  if (whole.rule.empty()) return {};
  const RunOutcome shortest = replay(shortest_failing(seed));
  std::string report = "seed " + std::to_string(seed) + ": " + whole.rule + " at step " +
                       std::to_string(whole.steps.size()) + " of the run; the shortest steps (" +
                       std::to_string(shortest.steps.size()) + ") that break it:\n";
  for (std::size_t i = 0; i < shortest.steps.size(); ++i)
    report += "  " + std::to_string(i + 1) + ". " + shortest.steps[i] + "\n";
  return report;
}

}  // namespace kolvar::testing
