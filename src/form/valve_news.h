#pragma once
// How a switching of the take-off valve shows on the message panel. The valve
// procedures (io/) switch and tell; what the panel keeps depends on the
// take-off type, which only the take-off code (core/) knows, so that code
// gives the Controller the rule.

namespace kolvar::form {

class Controller;

enum class ValveNews {
  Silent,   // the panel is left as it is
  Replace,  // the switching's message replaces the panel's text
  Append,   // the message is added to the panel's text
};

using ValveNewsRule = ValveNews (*)(const Controller&);

}  // namespace kolvar::form
