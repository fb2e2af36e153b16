// The Win32 window built from the model in this process, checked as the
// operator sees it: through the windows' own texts, states, menus and
// z-order, with clicks sent as Win32 messages. The timers run on a clock the
// check moves, never on the wall's.
#include "winview/win32.h"
// The check's own headers after the view's, which include <windows.h>.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "check.h"
#include "desk/twips.h"
#include "form/names.h"
#include "platform/failure.h"
#include "platform/ports/fake_port.h"
#include "winview/checked_sound.h"
#include "winview/companions.h"
#include "winview/desktop.h"
#include "winview/message_loop.h"
#include "winview/scale_memory.h"
#include "winview/win_text.h"

namespace {

using namespace kolvar;
using winview::window_text;

// A desktop on fake ports named as the system's libraries, on a clock that
// only the check moves.
struct Rig {
  platform::Millis now = 0;
  std::vector<std::uint8_t> written;
  winview::Desktop desktop{wiring()};

  winview::Desktop::Wiring wiring() {
    winview::Desktop::Wiring w;
    w.ports = [this](const platform::Clock& clock) {
      auto record = [this](platform::Millis, std::uint8_t byte) { written.push_back(byte); };
      return platform::DefaultPorts{
          std::make_unique<platform::FakePort>(clock, "dlportio.dll", record),
          std::make_unique<platform::FakePort>(clock, "inpout32.dll", record)};
    };
    w.monotonic = [this] { return now; };
    return w;
  }

  form::Controller& c() { return desktop.controller(); }
  form::Control& control(const char* full_name) { return *c().form.find_full(full_name); }
  HWND hwnd(const char* full_name) { return desktop.window().view().hwnd_of(control(full_name)); }
  HWND main() { return desktop.window().hwnd(); }

  // Moves the clock and runs the timers due, as the message loop's wake-up does.
  void advance(platform::Millis ms) {
    now += ms;
    desktop.driver().run_due();
  }
  // Lets the windows handle what was sent to them and drops the quit that
  // closing posts, so the next case starts clean.
  void settle() {
    winview::pump_waiting({});
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  void click(const char* full_name) { SendMessageW(hwnd(full_name), BM_CLICK, 0, 0); }
  void menu(const char* full_name) {
    SendMessageW(main(), WM_COMMAND, desktop.window().view().id_of(control(full_name)), 0);
  }
  UINT menu_state(const char* full_name) {
    HMENU holder = nullptr;
    UINT position = 0;
    if (!desktop.window().view().menu().find(control(full_name), &holder, &position)) return ~0u;
    return GetMenuState(holder, position, MF_BYPOSITION);
  }
};

std::wstring expected_text(const form::Control& c) {
  switch (c.kind()) {
    case form::Kind::Button:
    case form::Kind::CheckBox:
    case form::Kind::Frame:
      return winview::caption(c.text());
    default:
      return winview::wide(c.text());
  }
}

void every_control_has_its_window_with_the_models_text(Rig& rig) {
  int texts = 0;
  for (const auto& control : rig.c().form.controls()) {
    const form::Control& c = *control;
    if (c.kind() == form::Kind::Timer || c.kind() == form::Kind::Form ||
        c.kind() == form::Kind::Menu)
      continue;
    HWND hwnd = rig.desktop.window().view().hwnd_of(c);
    CHECK(hwnd != nullptr);
    if (!hwnd) continue;
    CHECK((IsWindowVisible(hwnd) != FALSE) == c.visible() || !IsWindowVisible(GetParent(hwnd)));
    CHECK((IsWindowEnabled(hwnd) != FALSE) == c.enabled());
    switch (c.kind()) {
      case form::Kind::Label:
      case form::Kind::TextBox:
      case form::Kind::Button:
      case form::Kind::CheckBox:
      case form::Kind::Frame: {
        const std::string shown = window_text(hwnd);
        if (winview::wide(shown) != expected_text(c))
          std::cerr << c.full_name() << " shows \"" << shown << "\"\n";
        CHECK(winview::wide(shown) == expected_text(c));
        ++texts;
        break;
      }
      default:
        break;
    }
  }
  CHECK(texts > 100);
  CHECK(window_text(rig.main()) == rig.control("Form1").text());
  CHECK(SendMessageW(rig.hwnd("sound_ch"), BM_GETCHECK, 0, 0) == BST_CHECKED);
  // The bar's top end is its larger value: shown negated, minimum first.
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_ALL;
  GetScrollInfo(rig.hwnd("V(1)"), SB_CTL, &bar);
  CHECK(bar.nMin == -1000);
  CHECK(bar.nPos == -rig.control("V(1)").value());
}

void the_window_is_on_top_at_the_forms_size(Rig& rig) {
  CHECK((GetWindowLongPtrW(rig.main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(IsWindowVisible(rig.main()));
  RECT outer;
  GetWindowRect(rig.main(), &outer);
  RECT status;
  GetWindowRect(FindWindowExW(rig.main(), nullptr, STATUSCLASSNAMEW, nullptr), &status);
  const int dpi = rig.desktop.window().dpi();
  const form::Control& form = rig.control("Form1");
  CHECK(outer.right - outer.left == desk::pixels(form.width(), dpi));
  CHECK(outer.bottom - outer.top ==
        desk::pixels(form.height(), dpi) + (status.bottom - status.top));
  if (dpi == 96) CHECK(outer.right - outer.left == 279);
  CHECK(rig.desktop.window().status() == "Выходы колонны: dlportio.dll");
}

// The frontmost of the visible frames on the canvas.
HWND front_panel(Rig& rig) {
  for (HWND w = GetTopWindow(GetParent(rig.hwnd("F(4)"))); w; w = GetWindow(w, GW_HWNDNEXT))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

void frames_stand_in_the_models_order(Rig& rig) {
  CHECK(front_panel(rig) == rig.hwnd("F(4)"));
  rig.menu("settings");
  CHECK(front_panel(rig) == rig.hwnd("F(5)"));
  rig.click("OK_set");  // saving returns to the main panel
  CHECK(front_panel(rig) == rig.hwnd("F(4)"));

  // A path panel with its drive, folder and file lists filled from the model.
  rig.menu("fi");
  CHECK(front_panel(rig) == rig.hwnd("F(1)"));
  const form::Control& drives = rig.control("Drive1");
  CHECK(SendMessageW(rig.hwnd("Drive1"), CB_GETCOUNT, 0, 0) ==
        static_cast<LRESULT>(drives.items().size()));
  CHECK(!drives.items().empty());
  const form::Control& dir = rig.control("Dir1");
  std::wstring first(MAX_PATH, L'\0');
  first.resize(static_cast<std::size_t>(
      SendMessageW(rig.hwnd("Dir1"), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first.data()))));
  CHECK(winview::utf8(first) == dir.text());
  CHECK(SendMessageW(rig.hwnd("Dir1"), LB_GETCOUNT, 0, 0) ==
        static_cast<LRESULT>(dir.items().size() + 2));
  rig.click("OK");  // applying returns to the main panel
  CHECK(front_panel(rig) == rig.hwnd("F(4)"));
}

void input_reaches_the_controller_and_its_changes_show(Rig& rig) {
  // A menu item's check mark follows the model, whoever changes it.
  CHECK((rig.menu_state("liquid") & MF_CHECKED) != 0);
  rig.menu("par");
  CHECK(rig.control("par").checked());
  CHECK((rig.menu_state("par") & MF_CHECKED) != 0);
  CHECK((rig.menu_state("liquid") & MF_CHECKED) == 0);
  rig.menu("liquid");
  rig.control("kub(2)").set_enabled(false);
  CHECK((rig.menu_state("kub(2)") & MF_GRAYED) != 0);
  rig.control("kub(2)").set_enabled(true);

  // The model's changes show in the control.
  rig.control("T(1)").set_text("78.5");
  CHECK(window_text(rig.hwnd("T(1)")) == "78.5");
  rig.control("News").set_text("первая\r\nвторая");
  CHECK(window_text(rig.hwnd("News")) == "первая\r\nвторая");

  // Typing is the operator's edit; a bar's arrow moves the model's value.
  SetWindowTextW(rig.hwnd("step_up"), L"1500");
  CHECK(rig.control("step_up").text() == "1500");
  const int before = rig.control("V(1)").value();
  SendMessageW(GetParent(rig.hwnd("V(1)")), WM_VSCROLL, SB_LINEUP,
               reinterpret_cast<LPARAM>(rig.hwnd("V(1)")));
  CHECK(rig.control("V(1)").value() == before + 1);
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_POS;
  GetScrollInfo(rig.hwnd("V(1)"), SB_CTL, &bar);
  CHECK(bar.nPos == -(before + 1));
}

// A role in read error keeps its reading as it came, drawn in the read-error
// look over the colours the cycle keeps in the model; the look goes with the
// error. The colours are those the window answers the label's paint with.
void a_role_in_read_error_is_drawn_as_one(Rig& rig) {
  HWND label = rig.hwnd("T(1)");
  HDC dc = GetDC(label);
  const auto back = [&] {
    SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    return GetBkColor(dc);
  };
  form::Control& t1 = rig.control("T(1)");
  t1.set_enabled(true);
  t1.set_back_color({200, 255, 200});
  t1.set_text("-127.00");
  CHECK(window_text(label) == "-127.00");
  CHECK(back() == RGB(255, 212, 0));
  CHECK(GetTextColor(dc) == RGB(176, 0, 32));
  t1.set_back_color({255, 200, 200});
  CHECK(back() == RGB(255, 212, 0));
  t1.set_text("78.5");
  CHECK(back() == RGB(255, 200, 200));
  ReleaseDC(label, dc);
}

// Moved to a screen of another DPI, the window and its controls take the
// model's twips at that DPI.
void a_change_of_dpi_places_everything_again(Rig& rig) {
  for (int dpi : {144, 96}) {
    RECT suggested;
    GetWindowRect(rig.main(), &suggested);
    SendMessageW(rig.main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    CHECK(rig.desktop.window().dpi() == dpi);
    RECT outer;
    GetWindowRect(rig.main(), &outer);
    CHECK(outer.right - outer.left == desk::pixels(rig.control("Form1").width(), dpi));
    RECT panel;
    GetWindowRect(rig.hwnd("F(4)"), &panel);
    CHECK(panel.right - panel.left == desk::pixels(rig.control("F(4)").width(), dpi));
    CHECK(panel.bottom - panel.top == desk::pixels(rig.control("F(4)").height(), dpi));
  }
}

// Ctrl with +, - or 0 typed while a control of the window has the focus
// scales the whole window on top of the DPI, and the next start finds it.
void the_scale_keys_grow_the_window_and_are_remembered(Rig& rig) {
  const int dpi = rig.desktop.window().dpi();
  const form::Control& form = rig.control("Form1");
  auto type = [&](WORD key, bool ctrl = true) {
    const int was = rig.desktop.window().scale();
    INPUT keys[4] = {};
    for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = ctrl ? VK_CONTROL : VK_SHIFT;
    keys[1].ki.wVk = keys[2].ki.wVk = key;
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    // The keys come through this thread's queue: until they are handled,
    // or no more input comes (each wait ends with input or after a while).
    for (int turn = 0; turn < 10 && rig.desktop.window().scale() == was; ++turn) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      rig.settle();
    }
  };
  auto width = [&] {
    RECT outer;
    GetWindowRect(rig.main(), &outer);
    return outer.right - outer.left;
  };
  auto font_height = [&] {
    LOGFONTW font{};
    GetObjectW(rig.desktop.window().view().font(), sizeof font, &font);
    return std::abs(font.lfHeight);
  };
  SetForegroundWindow(rig.main());
  SetFocus(rig.hwnd("Start_sys_button"));
  rig.settle();
  CHECK(rig.desktop.window().scale() == 100);
  const int small_font = font_height();
  type(VK_OEM_PLUS);
  CHECK(rig.desktop.window().scale() == 125);
  type(VK_ADD);
  CHECK(rig.desktop.window().scale() == 150);
  CHECK(width() == desk::pixels(form.width(), dpi * 3 / 2));
  CHECK(font_height() > small_font * 4 / 3);
  RECT panel;
  GetWindowRect(rig.hwnd("F(4)"), &panel);
  CHECK(panel.right - panel.left == desk::pixels(rig.control("F(4)").width(), dpi * 3 / 2));
  CHECK(winview::remembered_scale() == 150);
  type(VK_OEM_PLUS, false);  // Shift and = types; it is no scale
  CHECK(rig.desktop.window().scale() == 150);
  // A change of monitor keeps the operator's scale on the new DPI.
  RECT suggested;
  GetWindowRect(rig.main(), &suggested);
  SendMessageW(rig.main(), WM_DPICHANGED, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  CHECK(width() == desk::pixels(form.width(), 192 * 3 / 2));
  SendMessageW(rig.main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
  type(VK_OEM_MINUS);
  CHECK(rig.desktop.window().scale() == 125);
  type('0');
  CHECK(rig.desktop.window().scale() == 100);
  CHECK(width() == desk::pixels(form.width(), dpi));
  CHECK(font_height() == small_font);
  CHECK(winview::remembered_scale() == 100);
  rig.desktop.window().set_scale(175);  // the program's own change is not remembered
  CHECK(winview::remembered_scale() == 100);
  rig.desktop.window().set_scale(100);
}

// A click on part `index` of the status line `line`, as the control tells its owner.
void click_status_part(HWND owner, HWND line, int index) {
  NMMOUSE click{};
  click.hdr.hwndFrom = line;
  click.hdr.idFrom = GetDlgCtrlID(line);
  click.hdr.code = NM_CLICK;
  click.dwItemSpec = index;
  SendMessageW(owner, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

// Once the web page serves, "Веб-страница" stands at the right of the status
// line with the address as its tool tip; the port's status keeps its part.
void the_web_page_stands_beside_the_port_status(Rig& rig) {
  const std::string url = "http://192.168.1.20:8080/?token=00112233445566778899aabbccddeeff";
  rig.desktop.window().show_web_address(url);
  const HWND line = FindWindowExW(rig.main(), nullptr, STATUSCLASSNAMEW, nullptr);
  int parts[2] = {};
  CHECK(SendMessageW(line, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts)) == 2);
  RECT client;
  GetClientRect(line, &client);
  CHECK(parts[0] >= client.right / 2 && parts[0] < client.right);
  wchar_t label[32] = {};
  SendMessageW(line, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(label));
  CHECK(winview::utf8(label) == "Веб-страница");
  wchar_t tip[128] = {};
  SendMessageW(line, SB_GETTIPTEXTW, MAKEWPARAM(1, 128), reinterpret_cast<LPARAM>(tip));
  CHECK(winview::utf8(tip) == url);
  CHECK(rig.desktop.window().status() == "Выходы колонны: dlportio.dll");
  // A click on it shows the address with its QR code, above the window.
  click_status_part(rig.main(), line, 1);
  winview::QrWindow* code = rig.desktop.window().web_code();
  CHECK(code != nullptr);
  CHECK(code && !code->code().empty());
  CHECK(code && IsWindowVisible(code->hwnd()));
  CHECK(code && GetWindow(code->hwnd(), GW_OWNER) == rig.main());
  CHECK(code && window_text(code->hwnd()) == "Страница колонны на телефоне");
  if (code) SendMessageW(code->hwnd(), WM_CLOSE, 0, 0);
  CHECK(code && !IsWindowVisible(code->hwnd()));
}

// The alerts' parts follow the web page's: the trouble while a channel
// fails, then "Проверить оповещения", whose click sends the test alert.
void the_alerts_stand_in_the_status_line(Rig& rig) {
  int tests = 0;
  rig.desktop.window().show_alert_button({"webhook http://127.0.0.1/…"}, [&tests] { ++tests; });
  const HWND line = FindWindowExW(rig.main(), nullptr, STATUSCLASSNAMEW, nullptr);
  auto part_text = [line](int i) {
    wchar_t text[128] = {};
    SendMessageW(line, SB_GETTEXTW, i, reinterpret_cast<LPARAM>(text));
    return winview::utf8(text);
  };
  CHECK(SendMessageW(line, SB_GETPARTS, 0, 0) == 3);
  CHECK(part_text(1) == "Веб-страница");
  CHECK(part_text(2) == "Проверить оповещения");
  wchar_t tip[128] = {};
  SendMessageW(line, SB_GETTIPTEXTW, MAKEWPARAM(2, 128), reinterpret_cast<LPARAM>(tip));
  CHECK(winview::utf8(tip) == "Оповещения: webhook http://127.0.0.1/…");
  click_status_part(rig.main(), line, 2);
  CHECK(tests == 1);
  rig.desktop.window().show_alert_trouble("Оповещения не уходят: webhook");
  CHECK(SendMessageW(line, SB_GETPARTS, 0, 0) == 4);
  CHECK(part_text(2) == "Оповещения не уходят: webhook");
  rig.desktop.window().show_alert_trouble("");
  CHECK(SendMessageW(line, SB_GETPARTS, 0, 0) == 3);
  CHECK(rig.desktop.window().status() == "Выходы колонны: dlportio.dll");
}

void boxes_stand_above_the_window_and_never_stop_the_timers(Rig& rig) {
  rig.menu("ss(3)");  // the system stop's output on data pin 4
  rig.click("Start_sys_button");
  CHECK(rig.control("Timer1").on());
  CHECK(rig.desktop.fine_timers());

  const std::size_t boxes = rig.desktop.message_box().standing().size();
  rig.c().os.message_box.show("Проверка");
  const std::vector<HWND> standing = rig.desktop.message_box().standing();
  CHECK(standing.size() == boxes + 1);
  HWND box = standing.back();
  CHECK(window_text(box) == "Kolvar");
  CHECK(GetWindow(box, GW_OWNER) == rig.main());
  CHECK((GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(IsWindowVisible(box));
  bool text_shown = false;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    text_shown = text_shown || window_text(child) == "Проверка";
  CHECK(text_shown);
  // Above the window: met first going down the z-order.
  HWND first = nullptr;
  for (HWND w = GetTopWindow(nullptr); w && !first; w = GetWindow(w, GW_HWNDNEXT))
    if (w == box || w == rig.main()) first = w;
  CHECK(first == box);

  // The cycle goes on while the box stands.
  const std::size_t writes = rig.written.size();
  rig.advance(rig.control("Timer1").interval());
  rig.advance(rig.control("Timer1").interval());
  CHECK(rig.written.size() > writes);
  CHECK(IsWindow(box));
  SendMessageW(box, WM_COMMAND, IDOK, 0);
  CHECK(!IsWindow(box));
}

void closing_while_the_cycle_runs_leaves_the_stop_image(Rig& rig) {
  CHECK(rig.control("Timer1").on());
  SendMessageW(rig.main(), WM_CLOSE, 0, 0);
  CHECK(rig.desktop.ended());
  CHECK(!rig.control("Timer1").on());
  CHECK(!rig.desktop.fine_timers());
  CHECK(!rig.written.empty() && rig.written.back() == 4);
  MSG quit;
  CHECK(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE);
}

// sndPlaySound would say yes to either and stay silent.
void the_sound_refuses_a_missing_or_foreign_file() {
  winview::CheckedSound sound;
  auto refusal = [&sound](const std::string& file) -> std::string {
    try {
      sound.play(file);
      return "";
    } catch (const kolvar::Failure& f) {
      return f.what();
    }
  };
  CHECK(refusal("no-such.wav").find("файл не найден") != std::string::npos);
  std::ofstream("not-a-wave.wav", std::ios::binary) << "ID3 an mp3 in disguise";
  CHECK(refusal("not-a-wave.wav").find("WAV") != std::string::npos);
}

// The loop wakes for a handle as for a message, and ends at WM_QUIT with its code.
void the_message_loop_runs_a_signalled_watch_and_ends_at_quit() {
  HANDLE event = CreateEventW(nullptr, FALSE, TRUE, nullptr);  // signalled already
  int woken = 0;
  const int code = winview::run_message_loop([&] {
    return std::vector<winview::Watch>{{reinterpret_cast<platform::WaitHandle>(event), [&] {
                                          ++woken;
                                          PostQuitMessage(7);
                                        }}};
  });
  CHECK(code == 7);
  CHECK(woken == 1);
  CloseHandle(event);
}

HWND plain_window(const wchar_t* title, int width, int height) {
  return CreateWindowExW(0, WC_STATICW, title, WS_OVERLAPPEDWINDOW, 40, 30, width, height, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

RECT rect_of(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

// A companion is shown once the main window is, beside it, and follows its
// moves until the operator moves it.
void companions_stand_beside_the_main_window_until_moved() {
  HWND main = plain_window(L"main", 200, 300);
  HWND sim = plain_window(L"sim", 150, 250);
  {
    winview::Companions beside(main);
    beside.add(sim);
    CHECK(!IsWindowVisible(sim));
    ShowWindow(main, SW_SHOWNA);
    CHECK(IsWindowVisible(sim));
    CHECK(rect_of(sim).left == rect_of(main).right + desk::kCompanionGap);
    CHECK(rect_of(sim).top == rect_of(main).top);
    SetWindowPos(main, nullptr, 100, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(rect_of(sim).left == rect_of(main).right + desk::kCompanionGap);
    CHECK(rect_of(sim).top == 60);
    CHECK(beside.follows(sim));
    SetWindowPos(sim, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(sim, WM_EXITSIZEMOVE, 0, 0);  // the operator's drag ends
    CHECK(!beside.follows(sim));
    SetWindowPos(main, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(rect_of(sim).left == 500);
  }
  DestroyWindow(sim);
  DestroyWindow(main);
}

}  // namespace

int main() {
  // A fresh working folder: the window reads and writes its settings there.
  const std::filesystem::path work =
      std::filesystem::current_path() / ("winview-check-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  std::filesystem::current_path(work);
  // The remembered scale goes there too, not to the user's.
  SetEnvironmentVariableW(L"APPDATA", (work / "appdata").wstring().c_str());
  {
    Rig rig;
    every_control_has_its_window_with_the_models_text(rig);
    rig.desktop.start();
    rig.settle();
    the_window_is_on_top_at_the_forms_size(rig);
    every_control_has_its_window_with_the_models_text(rig);
    frames_stand_in_the_models_order(rig);
    input_reaches_the_controller_and_its_changes_show(rig);
    a_role_in_read_error_is_drawn_as_one(rig);
    a_change_of_dpi_places_everything_again(rig);
    the_scale_keys_grow_the_window_and_are_remembered(rig);
    the_web_page_stands_beside_the_port_status(rig);
    the_alerts_stand_in_the_status_line(rig);
    boxes_stand_above_the_window_and_never_stop_the_timers(rig);
    closing_while_the_cycle_runs_leaves_the_stop_image(rig);
  }
  the_sound_refuses_a_missing_or_foreign_file();
  the_message_loop_runs_a_signalled_watch_and_ends_at_quit();
  companions_stand_beside_the_main_window_until_moved();
  std::filesystem::current_path(work.parent_path());
  std::filesystem::remove_all(work);
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
