#pragma once
// Replacing a file's whole content so that it is never lost: the new content
// goes to a temporary file in the same folder, reaches the disk, and is then
// renamed over the target. Whoever reads the file, and whatever a crash or a
// power cut interrupts, finds the old content or the new one, whole.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kolvar::platform {

// Makes `content` the content of `target` (created when missing). A symbolic
// link is followed, and a target that exists keeps its permissions; one that
// this process may not write is refused, as truncating it would have been.
// On failure the target is as it was, no temporary is left, and the result
// says why; an empty result means the content is in place.
std::error_code replace_atomically(const std::filesystem::path& target, std::string_view content);

namespace detail {
// The platform's half (atomic_replace_<platform>.cpp): replace_atomically for
// a target that is not a symbolic link.
std::error_code replace_file(const std::filesystem::path& target, std::string_view content);
}  // namespace detail

}  // namespace kolvar::platform
