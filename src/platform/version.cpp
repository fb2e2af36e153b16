#include "platform/version.h"

namespace kolvar {

const char* version() {
  return KOLVAR_VERSION;
}

}  // namespace kolvar
