#include "winview/plot_canvas.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "chart/plot_scene.h"
#include "winview/gdi_scene.h"

namespace kolvar::winview {

PlotCanvas::PlotCanvas(HWND parent, const chart::PlotModel& model) : model_(model) {
  create(L"KolvarPlotCanvas", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent,
         {0, 0, 320, 200}, nullptr, CS_DBLCLKS);
}

PlotCanvas::~PlotCanvas() {
  if (buffer_dc_) DeleteDC(buffer_dc_);
  if (buffer_) DeleteObject(buffer_);
}

chart::Span PlotCanvas::span() const {
  const auto& points = model_.points();
  if (points.empty()) return time_.span(0, 0);
  return time_.span(points.first_time(), points.last_time());
}

void PlotCanvas::follow() {
  const bool was = time_.following();
  time_.follow();
  changed_view(was);
}

chart::Size PlotCanvas::logical_size() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  const double scale = scale_of(hwnd());
  return {static_cast<int>(std::lround(r.right / scale)),
          static_cast<int>(std::lround(r.bottom / scale))};
}

chart::Scene PlotCanvas::scene() const {
  HDC screen = GetDC(hwnd());
  chart::Scene scene;
  {
    const GdiMeasure measure(screen);
    scene = chart::make_scene(model_, span(), logical_size(), measure);
  }
  ReleaseDC(hwnd(), screen);
  return scene;
}

void PlotCanvas::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT r{};
  GetClientRect(hwnd(), &r);
  if (r.right > 0 && r.bottom > 0) {
    if (!buffer_ || buffer_size_.cx != r.right || buffer_size_.cy != r.bottom) {
      if (buffer_dc_) DeleteDC(buffer_dc_);
      if (buffer_) DeleteObject(buffer_);
      buffer_dc_ = CreateCompatibleDC(dc);
      buffer_ = CreateCompatibleBitmap(dc, r.right, r.bottom);
      SelectObject(buffer_dc_, buffer_);
      buffer_size_ = {r.right, r.bottom};
    }
    const double scale = scale_of(hwnd());
    {
      const GdiMeasure measure(buffer_dc_);
      paint_scene(buffer_dc_, chart::make_scene(model_, span(), logical_size(), measure), scale);
    }
    BitBlt(dc, 0, 0, r.right, r.bottom, buffer_dc_, 0, 0, SRCCOPY);
  }
  EndPaint(hwnd(), &ps);
}

void PlotCanvas::wheel(int delta, POINT screen) {
  if (delta == 0) return;
  ScreenToClient(hwnd(), &screen);
  const chart::Box area = chart::plot_area(logical_size());
  const double x = screen.x / scale_of(hwnd());
  const double anchor = (x - area.left) / std::max(1.0, area.width);
  const bool was = time_.following();
  // One notch of the wheel: a fifth nearer or farther.
  time_.zoom(span(), std::pow(0.8, delta / static_cast<double>(WHEEL_DELTA)), anchor);
  changed_view(was);
}

void PlotCanvas::changed_view(bool was_following) {
  data_changed();
  if (following_listener_ && was_following != time_.following())
    following_listener_(time_.following());
}

LRESULT PlotCanvas::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers it all
    case WM_PAINT:
      paint();
      return 0;
    case WM_MOUSEWHEEL:
      wheel(GET_WHEEL_DELTA_WPARAM(w), {GET_X_LPARAM(l), GET_Y_LPARAM(l)});
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd());
      SetCapture(hwnd());
      dragging_ = true;
      drag_x_ = GET_X_LPARAM(l);
      drag_span_ = span();
      return 0;
    case WM_MOUSEMOVE: {
      if (!dragging_) return 0;
      const double dx = (GET_X_LPARAM(l) - drag_x_) / scale_of(hwnd());
      if (dx == 0) return 0;
      const double per_pixel = static_cast<double>(drag_span_.width()) /
                               std::max(1.0, chart::plot_area(logical_size()).width);
      const bool was = time_.following();
      // The time under the cursor stays under it: dragging right shows earlier.
      time_.pan(drag_span_, -static_cast<platform::Millis>(std::llround(dx * per_pixel)));
      changed_view(was);
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (message == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK: {
      const bool was = time_.following();
      time_.whole_run();
      changed_view(was);
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(l) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZEWE)));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return WindowObject::handle(message, w, l);
}

}  // namespace kolvar::winview
