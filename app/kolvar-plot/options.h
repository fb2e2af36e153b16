#pragma once
// The command line of kolvar-plot.
#include <optional>
#include <string>
#include <vector>

namespace kolvar::plotapp {

struct Options {
  std::optional<std::string> record;
  std::optional<std::string> background;  // a past run drawn faded behind
  std::optional<std::string> png;
  std::optional<std::string> svg;
  int width = 1200;
  int height = 600;
  // --runs [DIR]: the table of the folder's runs instead of a plot.
  std::optional<std::string> runs;
  bool csv = false;
};

inline constexpr char kUsage[] =
    "usage: kolvar-plot [FILE.csv [--background PAST.csv]] [--png OUT.png] [--svg OUT.svg]\n"
    "                   [--size WxH]\n"
    "       kolvar-plot --runs [DIR] [--csv]\n"
    "       kolvar-plot --help | --version\n"
    "  Shows a run record in the plot window; with --png or --svg writes the\n"
    "  plot of the whole run to the file instead (--size, default 1200x600).\n"
    "  --background draws PAST faded behind it, both from their start.\n"
    "  --runs prints one line per run of DIR (default runs), newest first;\n"
    "  --csv prints the same as CSV with a header.\n";

// Throws std::invalid_argument naming what is wrong. --help and --version
// are the caller's (platform/command_line.h).
Options parse_options(const std::vector<std::string>& args);

}  // namespace kolvar::plotapp
