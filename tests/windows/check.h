#pragma once
// A minimal check for the small Windows test programs, which run under wine
// where no GoogleTest for Windows is at hand: a failed check prints where and
// what, and the program's exit code counts the failures.
#include <iostream>

namespace kolvar::windows_checks {

inline int failures = 0;

inline void check(bool ok, const char* what, const char* file, int line) {
  if (ok) return;
  ++failures;
  std::cerr << file << ':' << line << ": check failed: " << what << '\n';
}

}  // namespace kolvar::windows_checks

#define CHECK(condition) \
  ::kolvar::windows_checks::check((condition), #condition, __FILE__, __LINE__)
