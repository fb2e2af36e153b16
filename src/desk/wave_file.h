#pragma once
// Whether a file is a sound the system's players take: a RIFF file of the
// WAVE form. Both windows check the stop sound before playing it, since
// neither player reports a missing or foreign file when asked to play.
#include <filesystem>

namespace kolvar::desk {

// False for a file that is missing, unreadable, shorter than its header, or
// of another kind.
bool is_wave_file(const std::filesystem::path& file);

}  // namespace kolvar::desk
