#pragma once
// Adding a line to the temperature log. The log is opened for each line and
// closed again, so it may be moved, emptied or deleted while the logger runs:
// the next line goes to the path as it is then.
#include <filesystem>
#include <string_view>

namespace kolvar::logger {

// Appends the line (CR LF included) with O_APPEND and a single write(), so
// a reader never sees part of it and lines never interleave; creates the log
// when missing. Throws std::system_error naming the log when the line could
// not be written whole.
void append_line(const std::filesystem::path& log, std::string_view line);

}  // namespace kolvar::logger
