#pragma once
// Numbers held as text in the window's controls.
#include <optional>
#include <string>
#include <string_view>

namespace kolvar::form {

// The leading decimal number of a text, with a point as the decimal
// separator; blanks before it are skipped; 0 when the text does not begin with
// a number. Every temperature and threshold comparison uses it.
double numeric_value(std::string_view text);

// The coldest a sensor on a column shows. Below it lie only the codes a
// sensor's bus gives for a sensor that does not answer (-127 for one that
// fell off its bus): no reading at all, however much it looks like one. A
// high value is never such a code: a hot pot must still stop the column.
inline constexpr double kLowestReading = -30.0;
inline bool shown_by_a_sensor(double degrees) {
  return degrees >= kLowestReading;
}

// A temperature as a logger's field gives it, for the decisions, the plot and
// the record's readers alike: a plain decimal (an optional sign, digits and at
// most one decimal separator, a point or a comma, since a logger in a comma
// locale writes 78,9), blanks around it allowed. Anything else (a blank, an
// exponent, letters after the number) is no reading, and neither is a value
// no sensor shows.
std::optional<double> reading_degrees(std::string_view text);

// A counter that is counted up or down: a whole number, blanks around it
// allowed. A text that holds no whole number is a failure naming what.
long long counter_value(std::string_view text, std::string_view what);

// A whole number written exactly, as a script or an edit gives it: an
// optional minus and digits, nothing around them.
std::optional<long long> whole_number(std::string_view text);

// A number that a step requires (a duration, a length): a decimal number with
// a point, blanks around it allowed. Anything else is a failure naming what.
double required_number(std::string_view text, std::string_view what);

// Nearest whole number, a half going to the even neighbour. A value that no
// long long can hold (or not a number) is a failure, never a conversion.
long long round_half_even(double value);

// The largest magnitude of a number that the program writes into a control's
// text: whole numbers up to it are exact in a double and keep every digit in
// decimal_text, so such a text reads back as the value written.
inline constexpr double kLargestHeldNumber = 1e15;

// The value when it is finite and within ±kLargestHeldNumber; otherwise a
// failure saying that `what` is out of range. Guards every computed number
// before it enters a control.
double held_number(double value, std::string_view what);

// Decimal text in the user's format: the separator given, a fractional part
// only when there is one, at most 15 significant digits (99.5 -> "99,5", 99 -> "99").
// Values of 10^15 and more keep all their integer digits; nothing is cut.
std::string decimal_text(double value, char separator);

// A value held in tenths shown in units: 995 -> "99,5", 990 -> "99".
std::string tenths_text(long long tenths, char separator);

}  // namespace kolvar::form
