#pragma once
// The scenario runner's commands for a simulated column on the end of the
// first port's cable: `simulate on`, `simulate fault ...`, `simulate watchdog
// ...`, and the column's quantities for `print sim.NAME` and `expect sim.NAME`.
#include <memory>
#include <string>
#include <string_view>

#include "platform/time/clock.h"
#include "ui/headless.h"

namespace kolvar::headless {

inline constexpr std::string_view kSimPrefix = "sim.";

// Mistakes are ScriptError, expectations that do not hold ExpectFailed.
class SimCommands {
 public:
  explicit SimCommands(ui::Headless& rig);
  ~SimCommands();
  SimCommands(const SimCommands&) = delete;
  SimCommands& operator=(const SimCommands&) = delete;

  bool attached() const { return simulation_ != nullptr; }
  // `simulate` followed by `rest`.
  void simulate(std::string_view rest);
  // Controller and column advance together by `ms`.
  void advance(platform::Millis ms);
  // The text of `sim.NAME`.
  std::string quantity(std::string_view address) const;
  // `expect sim.NAME VALUE`, VALUE already unquoted.
  void expect(std::string_view address, const std::string& wanted) const;

 private:
  struct Simulation;
  void on(std::string_view rest);
  void fault(std::string_view rest);

  ui::Headless& rig_;
  std::unique_ptr<Simulation> simulation_;
};

}  // namespace kolvar::headless
