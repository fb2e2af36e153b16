// The Windows plot's table of past runs and its "Фон…": the table lists the
// runs of the record's folder, a double click or Enter opens one beside the
// live plot, the second choice and "Фон…" put one behind, and the GDI
// painter draws it faded past the end of the run under way.
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <variant>

#include "chart/plot_scene.h"
#include "chart/role_style.h"
#include "check.h"
#include "fresh_folder.h"
#include "journal/run_table_model.h"
#include "platform/time/wall_clock.h"
#include "settings/save.h"
#include "ui/headless.h"
#include "winview/gdi_scene.h"
#include "winview/live_plot.h"
#include "winview/win32.h"
#include "winview/win_text.h"

namespace {

using namespace kolvar;
using windows_checks::pump;

struct Rig {
  Rig() {
    c().start();
    c().form.get("LogPath", 1).set_text("keeper.log");
    settings::OK_Click(c());
    std::ofstream("keeper.log", std::ios::binary) << "10:00:00 88.3      77.0\r\n";
  }
  form::Controller& c() { return h.controller; }
  void click(const char* name) { c().click(c().form.get(name)); }
  // A run of `ms` on virtual time, to its stop; its record.
  std::filesystem::path run(platform::Millis ms) {
    click("Start_sys_button");
    h.advance(ms);
    click("Stop_sys_button");
    h.advance(5000);
    return record.file();
  }

  windows_checks::FreshFolder folder;
  ui::Headless h;
  platform::FollowingWallClock wall{h.clock, platform::LocalTime{}};
  record::RunRecord record{c(), wall, {.durable = false}};
  chart::BackgroundChoice behind;
  std::optional<winview::LivePlot> live{std::in_place, record, nullptr, &behind};
};

void press(HWND button) {
  SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void select_row(HWND table, int row) {
  ListView_SetItemState(table, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(table, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool labelled(const std::shared_ptr<const chart::BackgroundRun>& run,
              const std::filesystem::path& record) {
  return run && run->label.rfind("Фон: " + record.filename().string(), 0) == 0;
}

void the_table_lists_the_runs_and_opens_or_puts_one_behind() {
  Rig rig;
  const auto first = rig.run(60'000);
  const auto second = rig.run(30'000);
  winview::PlotWindow& window = rig.live->window();
  rig.live->show();
  const std::size_t live_points = window.model().points().points();
  winview::RunJournalWindow& journal = window.show_journal();
  pump();
  CHECK(IsWindowVisible(journal.hwnd()));
  CHECK(ListView_GetItemCount(journal.table()) == 2);
  CHECK(journal.rows().rows() == 2);
  CHECK(journal::same_record(journal.rows().record(0), second));  // newest first
  CHECK(journal.selected() == std::optional<std::size_t>(0));
  CHECK(journal.status().find("запусков 2") != std::string::npos);
  // The list asks for its texts: the date of the newest run as it shows it.
  wchar_t text[64] = {};
  ListView_GetItemText(journal.table(), 0, 0, text, 64);
  CHECK(winview::utf8(text) == journal.rows().cell(0, 0));

  // A double click on the older run opens it beside the live plot.
  RECT row{};
  ListView_GetItemRect(journal.table(), 1, &row, LVIR_LABEL);
  const LPARAM at = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
  SendMessageW(journal.table(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(journal.table(), WM_LBUTTONUP, 0, at);
  SendMessageW(journal.table(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(journal.table(), WM_LBUTTONUP, 0, at);
  pump();
  CHECK(window.opened().size() == 1u);
  CHECK(window.model().points().points() == live_points);  // the live plot keeps its own
  if (!window.opened().empty()) {
    CHECK(!window.opened().back()->model().empty());
    CHECK(IsWindowVisible(window.opened().back()->hwnd()));
  }

  // Enter, which the message loop turns into the default command.
  select_row(journal.table(), 0);
  SendMessageW(journal.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
  CHECK(window.opened().size() == 2u);

  // The second choice puts the selected run behind the live plot.
  select_row(journal.table(), 1);
  press(journal.background_button());
  CHECK(labelled(window.background(), first));
  CHECK(rig.behind.current() == window.background());  // one choice, the page's too
  CHECK(IsWindowEnabled(window.no_background_button()));
  press(window.no_background_button());
  CHECK(!rig.behind.current());
  CHECK(!IsWindowEnabled(window.no_background_button()));
}

// Pixels of a faded role colour in the scene painted by GDI, right of x.
int faded_right_of(const chart::Scene& scene, int from) {
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = winview::pixel_bitmap(dc, scene.size.width, scene.size.height, &bits);
  HGDIOBJ was = SelectObject(dc, bitmap);
  winview::paint_scene(dc, scene);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  const chart::Box area = chart::plot_area(scene.size);
  int count = 0;
  for (int y = static_cast<int>(area.top) + 2; y < static_cast<int>(area.bottom()) - 2; ++y)
    for (int x = std::max(from, static_cast<int>(area.left) + 2);
         x < static_cast<int>(area.right()) - 2; ++x)
      for (std::size_t role = 0; role < 4; ++role) {
        const chart::Colour pale = chart::faded(chart::role_colour(role));
        count += (pixels[y * scene.size.width + x] & 0xFFFFFF) ==
                 (std::uint32_t{pale.red} << 16 | std::uint32_t{pale.green} << 8 | pale.blue);
      }
  SelectObject(dc, was);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return count;
}

bool has_text(const chart::Scene& scene, const std::string& start) {
  for (const chart::Item& item : scene.items)
    if (const auto* text = std::get_if<chart::Text>(&item))
      if (text->text.rfind(start, 0) == 0) return true;
  return false;
}

void background_offers_the_last_finished_run_and_is_drawn_faded() {
  Rig rig;
  winview::PlotWindow& window = rig.live->window();
  rig.live->show();
  std::filesystem::path offered = "none asked";
  std::filesystem::path answer;  // empty: the operator cancels
  window.set_record_chooser([&](const std::filesystem::path& first) {
    offered = first;
    return answer;
  });
  press(window.background_button());
  CHECK(offered.empty());  // no run yet
  CHECK(!window.background());

  const auto past = rig.run(300'000);
  rig.click("Start_sys_button");
  rig.h.advance(4000);
  answer = past;
  press(window.background_button());
  CHECK(journal::same_record(offered, past));  // never the run under way
  CHECK(labelled(window.background(), past));
  CHECK(rig.behind.current() == window.background());

  // The axis reaches to the past run's end; past today's end only it shows.
  const chart::Scene scene = window.plot().scene();
  const chart::Span span = window.plot().span();
  // The log never changes: the stalled logger ends the past run, still the
  // longer of the two.
  const platform::Millis past_ends =
      window.background() ? window.background()->model.points().last_time() : 0;
  CHECK(past_ends > 12'000);
  CHECK(span.to >= past_ends);
  const chart::Box area = chart::plot_area(scene.size);
  const platform::Millis today = window.model().points().last_time();
  const int today_ends =
      static_cast<int>(area.left + static_cast<double>(today - span.from) * area.width /
                                       static_cast<double>(span.width()));
  CHECK(faded_right_of(scene, today_ends + 4) > 10);
  CHECK(has_text(scene, "Фон: " + past.filename().string()));

  answer.clear();
  press(window.background_button());
  CHECK(rig.behind.current() != nullptr);  // a choice cancelled keeps it
  press(window.no_background_button());
  CHECK(faded_right_of(window.plot().scene(), 0) == 0);
  CHECK(!has_text(window.plot().scene(), "Фон: "));
}

}  // namespace

int main() {
  try {
    the_table_lists_the_runs_and_opens_or_puts_one_behind();
    background_offers_the_last_finished_run_and_is_drawn_faded();
  } catch (const std::exception& e) {
    std::cerr << "check stopped: " << e.what() << '\n';
    return 1;
  }
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
