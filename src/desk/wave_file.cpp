#include "desk/wave_file.h"

#include <array>
#include <fstream>
#include <string_view>

namespace kolvar::desk {

bool is_wave_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::array<char, 12> head{};
  if (!in.read(head.data(), head.size())) return false;
  const std::string_view text(head.data(), head.size());
  return text.substr(0, 4) == "RIFF" && text.substr(8, 4) == "WAVE";
}

}  // namespace kolvar::desk
