#include "web/svg_scene.h"

#include <cstdio>
#include <variant>

namespace kolvar::remote {

namespace {

std::string num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  std::string s = text;
  if (s.ends_with(".0")) s.resize(s.size() - 2);
  return s == "-0" ? "0" : s;
}

std::string colour(chart::Colour c) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", unsigned{c.red}, unsigned{c.green},
                unsigned{c.blue});
  return text;
}

// fill="…" or stroke="…" with its opacity where the colour is not opaque.
std::string paint(const char* what, chart::Colour c, double alpha = 1) {
  std::string out = std::string(what) + "=\"" + colour(c) + "\"";
  const double opacity = alpha * c.alpha / 255.0;
  if (opacity < 1) {
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", opacity);
    out += std::string(" ") + what + "-opacity=\"" + text + "\"";
  }
  return out;
}

std::string escaped(std::string_view text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // Control characters have no place in XML 1.0.
        if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t' || ch == '\n') out += ch;
    }
  }
  return out;
}

std::string box_attributes(const chart::Box& b) {
  return "x=\"" + num(b.left) + "\" y=\"" + num(b.top) + "\" width=\"" + num(b.width) +
         "\" height=\"" + num(b.height) + "\"";
}

class SvgWriter {
 public:
  explicit SvgWriter(std::string& out) : out_(out) {}

  void operator()(const chart::Fill& f) {
    out_ += "<rect " + box_attributes(f.box) + " " + paint("fill", f.colour) + "/>\n";
  }

  // Runs of columns of equal cover become one rectangle each.
  void operator()(const chart::Shade& s) {
    const std::size_t n = s.cover.size();
    if (n == 0) return;
    const double column = s.box.width / static_cast<double>(n);
    for (std::size_t c = 0; c < n;) {
      std::size_t end = c + 1;
      while (end < n && s.cover[end] == s.cover[c]) ++end;
      if (s.cover[c] > 0) {
        const chart::Box part{s.box.left + column * static_cast<double>(c), s.box.top,
                              column * static_cast<double>(end - c), s.box.height};
        out_ +=
            "<rect " + box_attributes(part) + " " + paint("fill", s.colour, s.cover[c]) + "/>\n";
      }
      c = end;
    }
  }

  void operator()(const chart::Lines& l) {
    if (l.runs.empty()) return;
    out_ += "<path fill=\"none\" " + paint("stroke", l.colour) + " stroke-width=\"" + num(l.width) +
            "\"";
    if (l.dash == chart::Dash::Dashed) out_ += " stroke-dasharray=\"6 3\"";
    if (l.dash == chart::Dash::Dotted) out_ += " stroke-dasharray=\"1 2\"";
    out_ += " d=\"";
    std::size_t at = 0;
    for (std::size_t run : l.runs) {
      for (std::size_t i = 0; i < run && at + i < l.points.size(); ++i) {
        const chart::Point& p = l.points[at + i];
        out_ += (i == 0 ? "M" : "L") + num(p.x) + " " + num(p.y);
      }
      at += run;
    }
    out_ += "\"/>\n";
  }

  void operator()(const chart::Text& t) {
    static constexpr const char* kAnchor[] = {"start", "middle", "end"};
    // The baseline so that the text stands against its anchor as the scene
    // says: an em's rough ascent and descent.
    const double pixels = t.font.pixels;
    const double shift[] = {0.8 * pixels, 0.3 * pixels, -0.2 * pixels};
    out_ += "<text x=\"" + num(t.at.x) + "\" y=\"" + num(t.at.y + shift[static_cast<int>(t.down)]) +
            "\" font-size=\"" + num(pixels) + "\" text-anchor=\"" +
            kAnchor[static_cast<int>(t.across)] + "\" " + paint("fill", t.colour) +
            (t.font.bold ? " font-weight=\"bold\"" : "") + ">" + escaped(t.text) + "</text>\n";
  }

  void operator()(const chart::Clip& c) {
    if (group_open_) out_ += "</g>\n";
    group_open_ = false;
    if (!c.box) return;
    const std::string id = "c" + std::to_string(clips_++);
    out_ += "<clipPath id=\"" + id + "\"><rect " + box_attributes(*c.box) + "/></clipPath>\n";
    out_ += "<g clip-path=\"url(#" + id + ")\">\n";
    group_open_ = true;
  }

  void finish() {
    if (group_open_) out_ += "</g>\n";
    group_open_ = false;
  }

 private:
  std::string& out_;
  bool group_open_ = false;
  int clips_ = 0;
};

}  // namespace

std::string svg_of(const chart::Scene& scene) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  const std::string w = std::to_string(scene.size.width), h = std::to_string(scene.size.height);
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" +
         h + "\" viewBox=\"0 0 " + w + " " + h +
         "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n";
  SvgWriter writer(out);
  for (const chart::Item& item : scene.items) std::visit(writer, item);
  writer.finish();
  return out + "</svg>\n";
}

}  // namespace kolvar::remote
