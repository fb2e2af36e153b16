// The run's note edited from the window: "Журнал…" in the status line, the
// editor's fields bound to the note, the next run's note taken over at
// "Старт системы", and the timers running on while the editor is open.
#include "view/note_dialog.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "desktop_rig.h"
#include "journal/run_list.h"
#include "launch/desktop_program.h"
#include "platform/time/manual_clock.h"
#include "qtlaunch/qt_toolkit.h"
#include "support/file_bytes.h"

namespace kolvar::view {
namespace {

using kolvar::testing::read_bytes;

class NoteEditor : public testing::DesktopRig {
 protected:
  NoteEditor() {
    launch::keep_notes(toolkit, record, notes);
    desktop.start();
  }
  // The editor as the operator opens it.
  NoteDialog* open_editor() {
    auto* button = desktop.window().statusBar()->findChild<QToolButton*>("journal");
    if (!button) return nullptr;
    EXPECT_EQ(button->text(), "Журнал…");
    QTest::mouseClick(button, Qt::LeftButton);
    // One closed before may wait hidden for its deletion.
    for (auto* d : desktop.window().findChildren<NoteDialog*>("note_editor"))
      if (d->isVisible()) return d;
    return nullptr;
  }
  QPushButton* button_of(NoteDialog* dialog, const QString& text) {
    for (auto* b : dialog->findChildren<QPushButton*>())
      if (b->text() == text) return b;
    return nullptr;
  }
  // Qt Test types ASCII alone; the rest arrives as an input method gives it.
  static void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
  }

  platform::ManualClock wall_base;
  platform::FollowingWallClock wall{wall_base, platform::LocalTime{}};
  record::RunRecord record{desktop.controller(), wall};
  Companions beside{desktop.window()};
  qtlaunch::QtToolkit toolkit{desktop, beside};
  journal::NoteBook notes{record.folder(), [this](const std::string& m) { told.push_back(m); }};
  std::vector<std::string> told;
};

TEST_F(NoteEditor, FilledBeforeTheStartItBecomesTheRunsNote) {
  NoteDialog* editor = open_editor();
  ASSERT_TRUE(editor);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_FALSE(editor->isModal());
  EXPECT_EQ(editor->windowTitle(), "Журнал: следующий запуск");
  // A second click brings the same editor forward rather than a second one.
  EXPECT_EQ(open_editor(), editor);
  EXPECT_EQ(desktop.window().findChildren<NoteDialog*>().size(), 1);

  type(editor->measure(0), "30");
  type(editor->measure(1), "40,5");
  editor->text()->insertPlainText("Брага на сахаре.");
  QTest::mouseClick(button_of(editor, "Сохранить"), Qt::LeftButton);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(read_bytes("runs/next-run.txt"),
            "charge: 30 L\ncharge strength: 40.5 %vol\n\nБрага на сахаре.\n");

  QTest::mouseClick(widget<QPushButton>("Start_sys_button"), Qt::LeftButton);
  ASSERT_TRUE(record.running());
  const auto note = journal::note_path(record.file());
  EXPECT_EQ(read_bytes(note.string()),
            "charge: 30 L\ncharge strength: 40.5 %vol\n\nБрага на сахаре.\n");

  // During the run the editor opens that note (even before the one closed
  // is gone), and the timers go on while it stands open.
  NoteDialog* during = open_editor();
  ASSERT_TRUE(during);
  EXPECT_EQ(during->windowTitle().toStdString(), "Журнал: запуск " + note.stem().string());
  EXPECT_EQ(during->measure(1)->text(), "40.5");
  EXPECT_EQ(during->text()->toPlainText(), "Брага на сахаре.\n");
  advance(5000);
  EXPECT_TRUE(control("Timer1").on());
  EXPECT_TRUE(told.empty());
}

TEST_F(NoteEditor, ARefusedEntryKeepsTheEditorOpenWithTheReasonAndCancelWritesNothing) {
  NoteDialog* editor = open_editor();
  ASSERT_TRUE(editor);
  EXPECT_TRUE(editor->refusal()->isHidden());
  type(editor->measure(9), "750 мм");  // the pressure
  QTest::mouseClick(button_of(editor, "Сохранить"), Qt::LeftButton);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_FALSE(editor->refusal()->isHidden());
  EXPECT_TRUE(editor->refusal()->text().contains("Атмосферное давление"));
  EXPECT_FALSE(std::filesystem::exists("runs/next-run.txt"));

  QTest::mouseClick(button_of(editor, "Отмена"), Qt::LeftButton);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_FALSE(std::filesystem::exists("runs/next-run.txt"));
  EXPECT_EQ(boxes(), 0);
}

TEST_F(NoteEditor, ANoteThatCannotBeWrittenIsToldOnceAndTheEditorKeepsTheText) {
  // A file where the runs' folder should be.
  kolvar::testing::write_bytes("runs", "not a folder");
  NoteDialog* editor = open_editor();
  ASSERT_TRUE(editor);
  editor->text()->insertPlainText("Текст, который нельзя потерять.");
  QTest::mouseClick(button_of(editor, "Сохранить"), Qt::LeftButton);
  QTest::mouseClick(button_of(editor, "Сохранить"), Qt::LeftButton);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->text()->toPlainText(), "Текст, который нельзя потерять.");
  EXPECT_FALSE(editor->refusal()->isHidden());
  EXPECT_EQ(told.size(), 1u);
}

}  // namespace
}  // namespace kolvar::view
