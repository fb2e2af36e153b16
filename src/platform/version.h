#pragma once

namespace kolvar {

// The version of this edition, from the build.
const char* version();

}  // namespace kolvar
