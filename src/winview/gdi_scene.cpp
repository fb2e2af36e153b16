#include "winview/gdi_scene.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/wide_text.h"
#include "winview/window_object.h"

namespace kolvar::winview {

namespace {

COLORREF rgb(chart::Colour c) {
  return RGB(c.red, c.green, c.blue);
}

// GDI takes integer coordinates; a point far outside any screen (a wild
// reading) is held where GDI's arithmetic cannot overflow.
int device(double logical, double scale) {
  constexpr double kFar = 1 << 26;
  const double d = logical * scale;
  if (!std::isfinite(d)) return 0;
  return static_cast<int>(std::lround(std::clamp(d, -kFar, kFar)));
}

RECT device_rect(const chart::Box& b, double scale) {
  return {device(b.left, scale), device(b.top, scale), device(b.right(), scale),
          device(b.bottom(), scale)};
}

// A row of premultiplied BGRA pixels stretched over `r` and blended over what
// is there: GDI's fills know no opacity.
void blend_row(HDC dc, const RECT& r, const std::vector<std::uint32_t>& row) {
  const int width = static_cast<int>(row.size());
  if (width == 0 || r.right <= r.left || r.bottom <= r.top) return;
  void* bits = nullptr;
  HBITMAP strip = pixel_bitmap(dc, width, 1, &bits);
  if (!strip) return;
  std::copy(row.begin(), row.end(), static_cast<std::uint32_t*>(bits));
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ was = SelectObject(source, strip);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, width, 1, blend);
  SelectObject(source, was);
  DeleteDC(source);
  DeleteObject(strip);
}

std::uint32_t premultiplied(chart::Colour c, double cover) {
  const double a = std::clamp(c.alpha / 255.0 * cover, 0.0, 1.0);
  auto channel = [a](std::uint8_t v) { return static_cast<std::uint32_t>(std::lround(v * a)); };
  return channel(c.blue) | channel(c.green) << 8 | channel(c.red) << 16 |
         static_cast<std::uint32_t>(std::lround(a * 255)) << 24;
}

class Painter {
 public:
  Painter(HDC dc, double scale) : dc_(dc), scale_(scale) {}
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;
  ~Painter() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
  }

  void operator()(const chart::Fill& f) {
    const RECT r = device_rect(f.box, scale_);
    if (f.colour.alpha == 255) {
      HBRUSH brush = CreateSolidBrush(rgb(f.colour));
      FillRect(dc_, &r, brush);
      DeleteObject(brush);
    } else {
      blend_row(dc_, r, {premultiplied(f.colour, 1)});
    }
  }

  void operator()(const chart::Shade& s) {
    std::vector<std::uint32_t> row;
    row.reserve(s.cover.size());
    for (float cover : s.cover) row.push_back(premultiplied(s.colour, cover));
    blend_row(dc_, device_rect(s.box, scale_), row);
  }

  void operator()(const chart::Lines& l) {
    if (l.runs.empty()) return;
    if (l.colour.alpha == 255) {
      HPEN pen = line_pen(l, rgb(l.colour));
      if (!pen) return;
      HGDIOBJ was = SelectObject(dc_, pen);
      polylines(dc_, l, 0, 0);
      SelectObject(dc_, was);
      DeleteObject(pen);
      return;
    }
    translucent(l);
  }

  void operator()(const chart::Text& t) {
    const std::wstring text = platform::wide_from_utf8(t.text);
    if (text.empty()) return;
    HGDIOBJ was = SelectObject(dc_, font(t.font));
    SIZE extent{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    // Start, Middle, End: the anchor at the text's left (top), centre, right (bottom).
    const double part[] = {0, 0.5, 1};
    const int x = device(t.at.x, scale_) -
                  static_cast<int>(std::lround(extent.cx * part[static_cast<int>(t.across)]));
    const int y = device(t.at.y, scale_) -
                  static_cast<int>(std::lround(metrics.tmHeight * part[static_cast<int>(t.down)]));
    SetTextColor(dc_, rgb(t.colour));
    TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc_, was);
  }

  void operator()(const chart::Clip& c) {
    SelectClipRgn(dc_, nullptr);
    if (c.box) {
      const RECT r = device_rect(*c.box, scale_);
      IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom);
    }
  }

 private:
  // A pen as `l` asks for, in `colour`.
  HPEN line_pen(const chart::Lines& l, COLORREF colour) const {
    const double width = std::max(1.0, l.width * scale_);
    const auto w = static_cast<DWORD>(std::lround(width));
    // Dashes as Qt draws them, in units of the line's width.
    DWORD dashed[] = {4 * w, 2 * w};
    DWORD dotted[] = {w, 2 * w};
    DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_ROUND;
    DWORD count = 0;
    const DWORD* pattern = nullptr;
    if (l.dash == chart::Dash::Solid) {
      style |= PS_SOLID;
    } else {
      style |= PS_USERSTYLE;
      pattern = l.dash == chart::Dash::Dashed ? dashed : dotted;
      count = 2;
    }
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    return ExtCreatePen(style, w, &brush, count, pattern);
  }

  // Each run of `l` with the pen selected in `dc`, moved by (dx, dy).
  void polylines(HDC dc, const chart::Lines& l, int dx, int dy) const {
    std::vector<POINT> points;
    std::size_t at = 0;
    for (std::size_t n : l.runs) {
      points.clear();
      for (std::size_t i = at; i < at + n && i < l.points.size(); ++i)
        points.push_back({device(l.points[i].x, scale_) + dx, device(l.points[i].y, scale_) + dy});
      at += n;
      if (points.size() >= 2) Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
  }

  // GDI's pens know no opacity: the lines are drawn white on black into a
  // bitmap over the part of them that can show, and that mask is blended over
  // in the lines' colour.
  void translucent(const chart::Lines& l) {
    if (l.colour.alpha == 0) return;
    const int margin = static_cast<int>(std::lround(std::max(1.0, l.width * scale_))) + 2;
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const chart::Point& p : l.points) {
      const int x = device(p.x, scale_), y = device(p.y, scale_);
      box = {std::min<LONG>(box.left, x - margin), std::min<LONG>(box.top, y - margin),
             std::max<LONG>(box.right, x + margin), std::max<LONG>(box.bottom, y + margin)};
    }
    RECT shown{};
    if (GetClipBox(dc_, &shown) == ERROR || !IntersectRect(&box, &box, &shown)) return;
    const int width = box.right - box.left, height = box.bottom - box.top;
    void* bits = nullptr;
    HBITMAP mask = pixel_bitmap(dc_, width, height, &bits);
    if (!mask) return;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::fill(pixels, pixels + count, 0u);
    HDC source = CreateCompatibleDC(dc_);
    HGDIOBJ was_bitmap = SelectObject(source, mask);
    if (HPEN pen = line_pen(l, RGB(255, 255, 255))) {
      HGDIOBJ was_pen = SelectObject(source, pen);
      polylines(source, l, -box.left, -box.top);
      SelectObject(source, was_pen);
      DeleteObject(pen);
    }
    GdiFlush();
    for (std::size_t i = 0; i < count; ++i)
      pixels[i] = premultiplied(l.colour, (pixels[i] & 0xFF) / 255.0);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc_, box.left, box.top, width, height, source, 0, 0, width, height, blend);
    SelectObject(source, was_bitmap);
    DeleteDC(source);
    DeleteObject(mask);
  }

  HFONT font(chart::Font f) {
    const auto key = std::make_pair(f.pixels, f.bold);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) found = fonts_.emplace(key, create_plot_font(f, scale_)).first;
    return found->second;
  }

  HDC dc_;
  double scale_;
  std::map<std::pair<int, bool>, HFONT> fonts_;
};

}  // namespace

HFONT create_plot_font(chart::Font font, double scale) {
  LOGFONTW face = message_face();
  // A negative height asks for the character's height, as a pixel size does in Qt.
  face.lfHeight = -std::max(1, static_cast<int>(std::lround(font.pixels * scale)));
  face.lfWidth = 0;
  face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  face.lfItalic = FALSE;
  face.lfUnderline = FALSE;
  face.lfQuality = CLEARTYPE_QUALITY;
  return CreateFontIndirectW(&face);
}

GdiMeasure::~GdiMeasure() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT GdiMeasure::font(chart::Font f) const {
  const auto key = std::make_pair(f.pixels, f.bold);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) found = fonts_.emplace(key, create_plot_font(f, 1)).first;
  return found->second;
}

double GdiMeasure::width(std::string_view text, chart::Font f) const {
  const std::wstring wide = platform::wide_from_utf8(text);
  HGDIOBJ was = SelectObject(dc_, font(f));
  SIZE extent{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &extent);
  SelectObject(dc_, was);
  return extent.cx;
}

double GdiMeasure::height(chart::Font f) const {
  HGDIOBJ was = SelectObject(dc_, font(f));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  SelectObject(dc_, was);
  return metrics.tmHeight;
}

HBITMAP pixel_bitmap(HDC dc, int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

void paint_scene(HDC dc, const chart::Scene& scene, double scale) {
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  {
    Painter painter(dc, scale);
    for (const chart::Item& item : scene.items) std::visit(painter, item);
  }
  RestoreDC(dc, saved);
}

}  // namespace kolvar::winview
