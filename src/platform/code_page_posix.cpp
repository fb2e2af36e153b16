#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <optional>

#include "platform/failure.h"

namespace kolvar::platform {
namespace {

const char kFailure[] = "Не удалось перекодировать текст из Windows-1251";

// One conversion descriptor for one call; closed on every way out.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) throw Failure(kFailure);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input. A byte sequence that is invalid, incomplete or
  // has no character in the target gives `replacement` (and is skipped), or
  // ends the conversion with nullopt when there is none.
  std::optional<std::string> convert(std::string_view input,
                                     std::optional<std::string_view> replacement) {
    std::string in(input);
    std::string out;
    char* in_ptr = in.data();
    std::size_t in_left = in.size();
    char buffer[256];
    while (in_left > 0) {
      char* out_ptr = buffer;
      std::size_t out_left = sizeof buffer;
      std::size_t rc = iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left);
      out.append(buffer, static_cast<std::size_t>(out_ptr - buffer));
      if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      if (!replacement) return std::nullopt;
      out.append(*replacement);
      ++in_ptr;
      --in_left;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

// Converting UTF-8 to itself is the validity check: iconv refuses any
// malformed sequence, overlong forms and surrogates included.
std::string windows1251_to_utf8(std::string_view text) {
  return *Converter("UTF-8", "CP1251").convert(text, "\xEF\xBF\xBD");
}

}  // namespace kolvar::platform
