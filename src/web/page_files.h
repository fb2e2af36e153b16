#pragma once
// The page's own files (src/remote/page/), compiled into the program so
// that nothing is read from the disk and nothing from the internet.
#include <optional>
#include <string_view>

namespace kolvar::remote {

struct PageFile {
  std::string_view name;  // "index.html"
  std::string_view content;
};

// The file of that exact name; none for any other.
std::optional<PageFile> page_file(std::string_view name);

}  // namespace kolvar::remote
