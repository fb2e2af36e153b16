#include "form/json_text.h"

#include <cmath>
#include <cstdio>

namespace kolvar::form {

std::string json_quote(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

namespace {
void append_utf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::optional<unsigned> hex4(std::string_view s, std::size_t at) {
  if (at + 4 > s.size()) return std::nullopt;
  unsigned v = 0;
  for (std::size_t i = at; i < at + 4; ++i) {
    char c = s[i];
    v <<= 4;
    if (c >= '0' && c <= '9')
      v |= static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
      v |= static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
      v |= static_cast<unsigned>(c - 'A' + 10);
    else
      return std::nullopt;
  }
  return v;
}
}  // namespace

std::optional<std::string> json_unquote(std::string_view s) {
  if (s.size() < 2 || s.front() != '"' || s.back() != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    char c = s[i];
    if (c == '"') return std::nullopt;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i + 1 > s.size() - 1) return std::nullopt;
    switch (s[i]) {
      case '"':
        out += '"';
        break;
      case '\\':
        out += '\\';
        break;
      case '/':
        out += '/';
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 'u': {
        auto cp = hex4(s, i + 1);
        if (!cp) return std::nullopt;
        i += 4;
        if (*cp >= 0xD800 && *cp < 0xDC00 && i + 6 < s.size() && s[i + 1] == '\\' &&
            s[i + 2] == 'u') {
          auto low = hex4(s, i + 3);
          if (low && *low >= 0xDC00 && *low < 0xE000) {
            *cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
            i += 6;
          }
        }
        append_utf8(out, *cp);
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return out;
}

std::string json_string_array(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (std::size_t k = 0; k < texts.size(); ++k) out += (k ? "," : "") + json_quote(texts[k]);
  return out + "]";
}

std::string json_number(double value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

}  // namespace kolvar::form
