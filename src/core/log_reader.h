#pragma once
// The last line of the temperature logger's log, read from the end of the
// file so that the cost of each cycle does not grow with the log.
#include <cstddef>
#include <filesystem>
#include <string>

namespace kolvar::core {

// Only the first 58 characters of a line are ever used; a longer line is cut
// to this many bytes (the cut may split a multi-byte character, which the
// field split then counts as invalid bytes far past the used columns).
inline constexpr std::size_t kMaxLastLineBytes = std::size_t{64} * 1024;

// The line that reading the log line by line from the first would end with.
// A line ends at CR, CR LF or LF; a line end at the very end of the file does
// not start another (empty) line; an empty file gives "". The file is opened
// for shared reading and closed again; nothing is kept between calls.
// Throws kolvar::Failure naming the path when the log cannot be opened or read.
std::string read_last_line(const std::filesystem::path& log);

}  // namespace kolvar::core
