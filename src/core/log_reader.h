#pragma once
// The last line of the temperature logger's log, read from the end of the
// file so that the cost of each cycle does not grow with the log.
#include <cstddef>
#include <filesystem>
#include <string>

namespace kolvar::core {

// A logger line is some sixty bytes. A last line longer than this is no log
// line (a power cut pads a file with NULs, a broken logger writes one
// endless line): reading it is a failure, found without reading further back
// than this many bytes and one more.
inline constexpr std::size_t kMaxLastLineBytes = 4096;

// The line that reading the log line by line from the first would end with.
// A line ends at CR, CR LF or LF; a line end at the very end of the file does
// not start another (empty) line; an empty file gives "". The file is opened
// for shared reading and closed again; nothing is kept between calls.
// Throws kolvar::Failure naming the path when the log cannot be opened or read,
// or its last line is longer than kMaxLastLineBytes.
std::string read_last_line(const std::filesystem::path& log);

}  // namespace kolvar::core
