#pragma once
// The form's menus as the window's menu bar: popups for the items that hold
// others, command items with their check marks and enabled states following
// the model. Win32 menus cannot hide an item, so the bar is built anew when
// an item's visibility changes.
#include <functional>
#include <map>
#include <string>

#include "form/form.h"
#include "winview/win32.h"

namespace kolvar::winview {

class WindowMenu {
 public:
  using IdOf = std::function<UINT(const form::Control&)>;

  // Builds the bar of top from the form's menu controls.
  WindowMenu(form::Form& form, HWND top, IdOf id_of);
  WindowMenu(const WindowMenu&) = delete;
  WindowMenu& operator=(const WindowMenu&) = delete;

  // Shows one property change of a menu control.
  void show(const form::Control& menu, form::Prop prop);
  // Where a menu control stands: the menu holding it and its position there.
  // False for a hidden item.
  bool find(const form::Control& menu, HMENU* holder, UINT* position) const;
  HMENU bar() const { return bar_; }

 private:
  void build();

  form::Form& form_;
  HWND top_;
  IdOf id_of_;
  HMENU bar_ = nullptr;
  struct Place {
    HMENU holder;
    UINT position;
  };
  std::map<const form::Control*, Place> places_;
  std::map<std::string, HMENU> popups_;  // by full name
};

}  // namespace kolvar::winview
