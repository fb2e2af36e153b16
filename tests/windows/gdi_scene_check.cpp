// The plot's scene painted with GDI into a bitmap whose pixels the check
// reads: each kind of drawing order shows where the scene says, and a clip
// keeps what follows inside it.
#include <cstdint>
#include <cstdlib>

#include "check.h"
#include "winview/gdi_scene.h"
#include "winview/win32.h"

namespace {

using namespace kolvar;

constexpr int kWidth = 120, kHeight = 80;

// A 32-bit top-down bitmap selected into a memory DC.
class Canvas {
 public:
  explicit Canvas(int width = kWidth, int height = kHeight) : width_(width) {
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = winview::pixel_bitmap(dc_, width, height, &bits);
    bits_ = static_cast<std::uint32_t*>(bits);
    was_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, was_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  chart::Colour at(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[y * width_ + x];
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
            static_cast<std::uint8_t>(p), 255};
  }

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ was_;
  std::uint32_t* bits_ = nullptr;
};

constexpr chart::Colour kWhite{255, 255, 255}, kRed{200, 0, 0}, kBlue{0, 0, 200}, kGreen{0, 160, 0},
    kBlack{0, 0, 0};

bool close_to(chart::Colour a, chart::Colour b, int tolerance = 3) {
  return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
         std::abs(a.blue - b.blue) <= tolerance;
}

chart::Fill background() {
  return {{0, 0, kWidth, kHeight}, kWhite};
}

void fills_and_blends() {
  Canvas canvas;
  chart::Scene scene{{kWidth, kHeight}, {background(), chart::Fill{{10, 10, 20, 20}, kRed}}};
  // Half-transparent blue over white and over the red.
  scene.items.push_back(chart::Fill{{60, 10, 20, 20}, {0, 0, 255, 128}});
  scene.items.push_back(chart::Fill{{25, 10, 10, 20}, {0, 0, 255, 128}});
  winview::paint_scene(canvas.dc(), scene);
  CHECK(close_to(canvas.at(15, 15), kRed));
  CHECK(close_to(canvas.at(9, 15), kWhite));  // the box's edge is its own
  CHECK(close_to(canvas.at(70, 20), {127, 127, 255}, 4));
  CHECK(close_to(canvas.at(27, 20), {100, 0, 128}, 4));
  CHECK(close_to(canvas.at(50, 50), kWhite));
}

void shades_by_column() {
  Canvas canvas;
  chart::Scene scene{{kWidth, kHeight}, {background()}};
  // Four columns over 40 pixels: each ten wide, none, half, whole, none.
  scene.items.push_back(chart::Shade{{20, 20, 40, 20}, kBlack, {0, 0.5F, 1, 0}});
  winview::paint_scene(canvas.dc(), scene);
  CHECK(close_to(canvas.at(25, 30), kWhite));
  CHECK(close_to(canvas.at(35, 30), {128, 128, 128}, 6));
  CHECK(close_to(canvas.at(45, 30), kBlack));
  CHECK(close_to(canvas.at(55, 30), kWhite));
  CHECK(close_to(canvas.at(45, 45), kWhite));  // below the band
}

void lines_solid_and_dashed() {
  Canvas canvas;
  chart::Scene scene{{kWidth, kHeight}, {background()}};
  chart::Lines solid{kBlue, 1, chart::Dash::Solid, {}, {}};
  solid.add({{10, 10}, {110, 10}});
  solid.add({{10, 20}, {60, 20}, {60, 70}});  // one run through three points
  chart::Lines dashed{kGreen, 1, chart::Dash::Dashed, {}, {}};
  dashed.add({{10, 40}, {110, 40}});
  scene.items.push_back(solid);
  scene.items.push_back(dashed);
  winview::paint_scene(canvas.dc(), scene);
  CHECK(close_to(canvas.at(50, 10), kBlue));
  CHECK(close_to(canvas.at(50, 12), kWhite));
  CHECK(close_to(canvas.at(60, 50), kBlue));
  CHECK(close_to(canvas.at(30, 30), kWhite));  // the runs are not joined
  int green = 0, white = 0;
  for (int x = 12; x < 108; ++x) (close_to(canvas.at(x, 40), kGreen) ? green : white) += 1;
  CHECK(green > 30);
  CHECK(white > 10);  // the dashes have gaps
}

void wide_lines_at_a_scale() {
  Canvas canvas;
  chart::Scene scene{{kWidth, kHeight}, {background()}};
  chart::Lines wide{kRed, 2, chart::Dash::Solid, {}, {}};
  wide.add({{5, 10}, {55, 10}});
  scene.items.push_back(wide);
  // Twice the scale: the line is at y 20, four pixels wide.
  winview::paint_scene(canvas.dc(), scene, 2);
  CHECK(close_to(canvas.at(60, 19), kRed));
  CHECK(close_to(canvas.at(60, 21), kRed));
  CHECK(close_to(canvas.at(60, 10), kWhite));
  CHECK(close_to(canvas.at(60, 25), kWhite));
  CHECK(close_to(canvas.at(115, 20), kWhite));  // ends at 110
}

// A translucent line (a run drawn behind another) blends over what is under
// it, and only where it is drawn, as the Qt painter has it.
void translucent_lines_blend() {
  Canvas canvas;
  chart::Scene scene{{kWidth, kHeight}, {background(), chart::Fill{{0, 30, kWidth, 20}, kRed}}};
  scene.items.push_back(chart::Clip{chart::Box{0, 0, 100, kHeight}});
  chart::Lines faint{{0, 0, 255, 128}, 2, chart::Dash::Solid, {}, {}};
  faint.add({{10, 10}, {110, 10}});
  faint.add({{20, 5}, {20, 70}});  // across the white and the red
  scene.items.push_back(faint);
  winview::paint_scene(canvas.dc(), scene);
  CHECK(close_to(canvas.at(50, 10), {127, 127, 255}, 6));
  CHECK(close_to(canvas.at(20, 60), {127, 127, 255}, 6));
  CHECK(close_to(canvas.at(20, 40), {100, 0, 128}, 6));
  CHECK(close_to(canvas.at(50, 14), kWhite));
  CHECK(close_to(canvas.at(50, 40), kRed));
  CHECK(close_to(canvas.at(105, 10), kWhite));  // clipped
}

void clip_keeps_inside() {
  Canvas canvas;
  chart::Scene scene{{kWidth, kHeight}, {background()}};
  scene.items.push_back(chart::Clip{chart::Box{20, 20, 30, 30}});
  scene.items.push_back(chart::Fill{{0, 0, kWidth, kHeight}, kGreen});
  scene.items.push_back(chart::Clip{});
  scene.items.push_back(chart::Fill{{100, 60, 10, 10}, kRed});
  winview::paint_scene(canvas.dc(), scene);
  CHECK(close_to(canvas.at(30, 30), kGreen));
  CHECK(close_to(canvas.at(10, 10), kWhite));
  CHECK(close_to(canvas.at(60, 30), kWhite));
  CHECK(close_to(canvas.at(105, 65), kRed));  // no clip any more
}

// The box around the pixels of `colour`, or an empty one.
RECT extent_of(const Canvas& canvas, chart::Colour colour) {
  RECT r{kWidth, kHeight, -1, -1};
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (close_to(canvas.at(x, y), colour, 60)) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

void texts_measured_and_anchored() {
  Canvas canvas;
  const winview::GdiMeasure measure(canvas.dc());
  const chart::Font font{14, false};
  const double wide = measure.width("Температура", font);
  CHECK(wide > 30);
  CHECK(measure.width("Т", font) < wide);
  CHECK(measure.width("", font) == 0);
  CHECK(measure.height(font) >= 14);
  CHECK(measure.width("ab", {14, true}) >= measure.width("ab", font));

  // End and Middle: the text stands left of the anchor, centred on its height.
  chart::Scene scene{{kWidth, kHeight}, {background()}};
  scene.items.push_back(
      chart::Text{"Ход", {100, 40}, chart::Align::End, chart::Align::Middle, font, kBlack});
  winview::paint_scene(canvas.dc(), scene);
  const RECT r = extent_of(canvas, kBlack);
  CHECK(r.right > r.left);
  CHECK(r.right <= 101 && r.right >= 90);
  CHECK(r.left >= 100 - static_cast<LONG>(measure.width("Ход", font)) - 1);
  CHECK(r.top < 40 && r.bottom > 40);
}

}  // namespace

int main() {
  fills_and_blends();
  shades_by_column();
  lines_solid_and_dashed();
  wide_lines_at_a_scale();
  translucent_lines_blend();
  clip_keeps_inside();
  texts_measured_and_anchored();
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
