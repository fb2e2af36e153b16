// The run's note edited from the Win32 window, in process: "Журнал…" in the
// status line, the editor's fields bound to the note, the next run's note
// taken over at "Старт системы", and the timers running on while the editor
// is open. Clicks are sent as Win32 messages; the timers run on a clock the
// check moves.
#include "winview/win32.h"
// The check's own headers after the view's, which include <windows.h>.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "check.h"
#include "journal/run_list.h"
#include "platform/ports/fake_port.h"
#include "platform/time/manual_clock.h"
#include "record/run_record.h"
#include "winview/companions.h"
#include "winview/desktop.h"
#include "winview/message_loop.h"
#include "winview/win_text.h"
#include "winview/win_toolkit.h"

namespace {

using namespace kolvar;
using winview::window_text;

std::string file_text(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

struct Rig {
  platform::Millis now = 0;
  winview::Desktop desktop{wiring()};
  platform::ManualClock wall_base;
  platform::FollowingWallClock wall{wall_base, platform::LocalTime{}};
  record::RunRecord record{desktop.controller(), wall};
  winview::Companions beside{desktop.window().hwnd()};
  winview::WinToolkit toolkit{desktop, beside, "kolvar"};
  int told = 0;
  journal::NoteBook notes{record.folder(), [this](const std::string&) { ++told; }};

  winview::Desktop::Wiring wiring() {
    winview::Desktop::Wiring w;
    w.ports = [](const platform::Clock& clock) {
      return platform::DefaultPorts{std::make_unique<platform::FakePort>(clock, "dlportio.dll"),
                                    std::make_unique<platform::FakePort>(clock, "inpout32.dll")};
    };
    w.monotonic = [this] { return now; };
    return w;
  }
  HWND main() { return desktop.window().hwnd(); }
  // "Журнал…", the status line's first part after the port's status.
  winview::NoteWindow* click_journal() {
    const HWND line = FindWindowExW(main(), nullptr, STATUSCLASSNAMEW, nullptr);
    NMMOUSE click{};
    click.hdr.hwndFrom = line;
    click.hdr.idFrom = GetDlgCtrlID(line);
    click.hdr.code = NM_CLICK;
    click.dwItemSpec = 1;
    SendMessageW(main(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    return toolkit.note_window();
  }
};

void type(HWND edit, const char* utf8) {
  SetWindowTextW(edit, winview::wide(utf8).c_str());
}

void press(winview::NoteWindow* editor, int button) {
  SendMessageW(editor->hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

void the_journal_part_opens_the_next_runs_note_and_the_start_takes_it(Rig& rig) {
  const HWND line = FindWindowExW(rig.main(), nullptr, STATUSCLASSNAMEW, nullptr);
  wchar_t label[32] = {};
  SendMessageW(line, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(label));
  CHECK(winview::utf8(label) == "Журнал…");

  winview::NoteWindow* editor = rig.click_journal();
  CHECK(editor && editor->open());
  if (!editor) return;
  CHECK(GetWindow(editor->hwnd(), GW_OWNER) == rig.main());
  CHECK(window_text(editor->hwnd()) == "Журнал: следующий запуск");
  // A second click brings the same editor forward.
  CHECK(rig.click_journal() == editor);

  type(editor->measure(0), "30");
  type(editor->measure(1), "40,5");
  type(editor->text(), "Брага\r\nна сахаре");
  press(editor, IDOK);
  CHECK(!editor->open());
  const std::string written = "charge: 30 L\ncharge strength: 40.5 %vol\n\nБрага\nна сахаре\n";
  CHECK(file_text("runs/next-run.txt") == written);

  // Refused: the editor stays with the reason, and nothing is written.
  editor = rig.click_journal();
  CHECK(editor && editor->open());
  if (!editor) return;
  CHECK(window_text(editor->measure(1)) == "40.5");
  CHECK(!IsWindowVisible(editor->refusal()));
  type(editor->measure(9), "750 мм");
  press(editor, IDOK);
  CHECK(editor->open());
  CHECK(IsWindowVisible(editor->refusal()));
  CHECK(window_text(editor->refusal()).find("Атмосферное давление") != std::string::npos);
  press(editor, IDCANCEL);
  CHECK(!editor->open());
  CHECK(file_text("runs/next-run.txt") == written);

  SendMessageW(rig.desktop.window().view().hwnd_of(
                   *rig.desktop.controller().form.find_full("Start_sys_button")),
               BM_CLICK, 0, 0);
  CHECK(rig.record.running());
  const std::filesystem::path note = journal::note_path(rig.record.file());
  CHECK(file_text(note) == written);
  CHECK(!std::filesystem::exists("runs/next-run.txt"));

  // During the run the editor opens the run's note, and the timers go on
  // while it stands open.
  editor = rig.click_journal();
  CHECK(editor && editor->open());
  if (!editor) return;
  CHECK(window_text(editor->hwnd()) == "Журнал: запуск " + note.stem().string());
  CHECK(window_text(editor->text()) == "Брага\r\nна сахаре\r\n");
  rig.now += 5000;
  rig.desktop.driver().run_due();
  CHECK(rig.desktop.controller().form.find_full("Timer1")->on());
  CHECK(rig.told == 0);
  press(editor, IDCANCEL);
}

}  // namespace

int main() {
  const std::filesystem::path work =
      std::filesystem::current_path() / ("note-check-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  std::filesystem::current_path(work);
  SetEnvironmentVariableW(L"APPDATA", (work / "appdata").wstring().c_str());
  {
    Rig rig;
    launch::keep_notes(rig.toolkit, rig.record, rig.notes);
    rig.desktop.start();
    winview::pump_waiting({});
    the_journal_part_opens_the_next_runs_note_and_the_start_takes_it(rig);
    rig.desktop.end();
    winview::pump_waiting({});
  }
  std::filesystem::current_path(work.parent_path());
  std::filesystem::remove_all(work);
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
