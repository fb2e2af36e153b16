#include "winview/status_parts.h"

#include <algorithm>
#include <vector>

#include "winview/win_text.h"

namespace kolvar::winview {

void StatusParts::set(Slot slot, Part part) {
  parts_[slot] = std::move(part);
  place(font_, padding_);
}

void StatusParts::clear(Slot slot) {
  parts_[slot].reset();
  place(font_, padding_);
}

void StatusParts::place(HFONT font, int padding) {
  font_ = font;
  padding_ = padding;
  std::vector<const Part*> shown;
  for (const auto& part : parts_)
    if (part) shown.push_back(&*part);
  RECT line;
  GetClientRect(bar_, &line);
  // Besides its text, a part holds its frame and the gap to the next one,
  // which the bar itself keeps.
  int borders[3] = {0, 0, 0};
  SendMessageW(bar_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  const int frame = 2 * GetSystemMetrics(SM_CXEDGE) + 2 * borders[0] + borders[2];
  std::vector<int> widths;
  if (HDC dc = GetDC(bar_)) {
    const HGDIOBJ was = font ? SelectObject(dc, font) : nullptr;
    for (const Part* part : shown) {
      const std::wstring text = wide(part->text);
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      widths.push_back(size.cx + padding + frame);
    }
    if (was) SelectObject(dc, was);
    ReleaseDC(bar_, dc);
  }
  widths.resize(shown.size(), padding);
  // The port's status keeps a quarter at least (its tool tip holds the whole
  // line); where the parts need more than the rest, each gives up its share.
  const int room = line.right - line.right / 4;
  int wanted = 0;
  for (int width : widths) wanted += width;
  if (wanted > room)
    for (int& width : widths) width = MulDiv(width, room, wanted);
  // Right edges, the last part's to the bar's end.
  std::vector<int> edges(shown.size() + 1, -1);
  int right = line.right;
  for (std::size_t i = shown.size(); i-- > 0;) {
    right -= widths[i];
    edges[i] = right;
  }
  SendMessageW(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SendMessageW(bar_, SB_SETTEXTW, i + 1, reinterpret_cast<LPARAM>(wide(shown[i]->text).c_str()));
    SendMessageW(bar_, SB_SETTIPTEXTW, i + 1,
                 reinterpret_cast<LPARAM>(wide(shown[i]->tip).c_str()));
  }
}

bool StatusParts::notified(const NMHDR& note) {
  if (note.hwndFrom != bar_ || note.code != NM_CLICK) return false;
  const auto& mouse = reinterpret_cast<const NMMOUSE&>(note);
  std::size_t index = 0;
  for (const auto& part : parts_) {
    if (!part) continue;
    if (++index == mouse.dwItemSpec) {
      if (part->click) part->click();
      return true;
    }
  }
  return false;
}

}  // namespace kolvar::winview
