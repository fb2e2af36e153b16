#pragma once
// A program of the GUI subsystem has no console of its own: what --help and
// --version print goes to the console it was started from, if any (or to
// wherever its output was redirected).

namespace kolvar::winview {

// Makes standard output and standard error reach the parent's console when
// they lead nowhere else.
void attach_parent_console();

}  // namespace kolvar::winview
