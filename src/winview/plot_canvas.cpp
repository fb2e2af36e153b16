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

void PlotCanvas::follow() {
  navigation_.follow();
  data_changed();
}

void PlotCanvas::set_background(std::shared_ptr<const chart::BackgroundRun> behind) {
  behind_ = std::move(behind);
  navigation_.set_background(behind_ ? &behind_->model : nullptr);
  data_changed();
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
    scene = chart::make_scene(model_, span(), logical_size(), measure, behind_.get());
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
      paint_scene(buffer_dc_,
                  chart::make_scene(model_, span(), logical_size(), measure, behind_.get()), scale);
    }
    BitBlt(dc, 0, 0, r.right, r.bottom, buffer_dc_, 0, 0, SRCCOPY);
  }
  EndPaint(hwnd(), &ps);
}

void PlotCanvas::wheel(int delta, POINT screen) {
  if (delta == 0) return;
  ScreenToClient(hwnd(), &screen);
  const chart::Box area = chart::plot_area(logical_size());
  navigation_.wheel(delta, screen.x / scale_of(hwnd()) - area.left, area.width);
  data_changed();
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
      navigation_.press(GET_X_LPARAM(l) / scale_of(hwnd()));
      return 0;
    case WM_MOUSEMOVE:
      if (navigation_.dragging()) {
        navigation_.drag(GET_X_LPARAM(l) / scale_of(hwnd()),
                         chart::plot_area(logical_size()).width);
        data_changed();
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (navigation_.dragging()) {
        navigation_.release();
        if (message == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      navigation_.whole_run();
      data_changed();
      return 0;
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
