#include "winview/window_menu.h"

#include <set>
#include <vector>

#include "winview/win_text.h"

namespace kolvar::winview {

WindowMenu::WindowMenu(form::Form& form, HWND top, IdOf id_of)
    : form_(form), top_(top), id_of_(std::move(id_of)) {
  build();
}

void WindowMenu::build() {
  std::set<std::string> parents;
  for (const auto& control : form_.controls())
    if (control->kind() == form::Kind::Menu) parents.insert(control->container());

  HMENU old = bar_;
  bar_ = CreateMenu();
  places_.clear();
  popups_.clear();
  std::map<HMENU, UINT> counts;
  for (const auto& control : form_.controls()) {
    const form::Control& c = *control;
    if (c.kind() != form::Kind::Menu) continue;
    HMENU holder = bar_;
    if (!c.container().empty()) {
      auto parent = popups_.find(c.container());
      if (parent == popups_.end()) continue;  // under a hidden item
      holder = parent->second;
    }
    if (!c.visible()) continue;
    UINT flags = MF_STRING;
    UINT_PTR item = id_of_(c);
    if (parents.count(c.full_name())) {
      HMENU popup = CreatePopupMenu();
      popups_[c.full_name()] = popup;
      flags |= MF_POPUP;
      item = reinterpret_cast<UINT_PTR>(popup);
    }
    if (c.checked()) flags |= MF_CHECKED;
    if (!c.enabled()) flags |= MF_GRAYED;
    AppendMenuW(holder, flags, item, caption(c.text()).c_str());
    places_[&c] = {holder, counts[holder]++};
  }
  SetMenu(top_, bar_);
  if (old) DestroyMenu(old);
  DrawMenuBar(top_);
}

bool WindowMenu::find(const form::Control& menu, HMENU* holder, UINT* position) const {
  auto it = places_.find(&menu);
  if (it == places_.end()) return false;
  *holder = it->second.holder;
  *position = it->second.position;
  return true;
}

void WindowMenu::show(const form::Control& menu, form::Prop prop) {
  if (prop == form::Prop::Visible) {
    build();
    return;
  }
  HMENU holder = nullptr;
  UINT position = 0;
  if (!find(menu, &holder, &position)) return;
  switch (prop) {
    case form::Prop::Checked:
      CheckMenuItem(holder, position, MF_BYPOSITION | (menu.checked() ? MF_CHECKED : MF_UNCHECKED));
      break;
    case form::Prop::Enabled:
      EnableMenuItem(holder, position, MF_BYPOSITION | (menu.enabled() ? MF_ENABLED : MF_GRAYED));
      break;
    case form::Prop::Text: {
      std::wstring text = caption(menu.text());
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STRING;
      info.dwTypeData = text.data();
      SetMenuItemInfoW(holder, position, TRUE, &info);
      break;
    }
    default:
      return;
  }
  if (holder == bar_) DrawMenuBar(top_);
}

}  // namespace kolvar::winview
