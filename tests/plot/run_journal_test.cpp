// "Журнал запусков" in the plot's window: the folder's runs listed, a double
// click or Enter opens one, the second choice puts one behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "plot/plot_window.h"
#include "plot/run_journal_dialog.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::plot {
// Named, not anonymous: a unity build puts these beside the other tests.
namespace run_journal_test {

namespace fs = std::filesystem;

// Two runs of the committed short record on two days, newest listed first.
class JournalFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string bytes =
        kolvar::testing::read_bytes(fs::path(KOLVAR_PLOT_DATA) / "short_run.csv");
    ASSERT_FALSE(bytes.empty());
    std::string later = bytes;
    for (std::size_t at = 0; (at = later.find("2026-12-01", at)) != std::string::npos; at += 10)
      later.replace(at, 10, "2026-12-02");
    kolvar::testing::write_bytes(older, bytes);
    kolvar::testing::write_bytes(newer, later);
  }
  static QString q(const fs::path& path) { return QString::fromStdU16String(path.u16string()); }
  // Double clicks the row's first cell.
  static void double_click(RunJournalDialog& dialog, int row) {
    QTableView& table = dialog.table();
    const QRect cell = table.visualRect(table.model()->index(row, 0));
    // As the system gives one: a click, then the second press as a double click.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, cell.center());
  }

  kolvar::testing::TempFolder folder;
  const fs::path older = folder.file("2026-12-01_21-00-00.csv");
  const fs::path newer = folder.file("2026-12-02_21-00-00.csv");
};

TEST_F(JournalFolder, ListsTheRecordsFolderAndOpensARunOrPutsItBehind) {
  PlotWindow window;
  ASSERT_EQ(window.open_record(q(newer)), QString());
  window.show();
  RunJournalDialog& dialog = window.show_journal();
  EXPECT_TRUE(dialog.isVisible());
  QAbstractItemModel& rows = *dialog.table().model();
  ASSERT_EQ(rows.rowCount(), 2) << "the runs of the shown record's folder";
  EXPECT_EQ(rows.columnCount(), 7);
  EXPECT_EQ(rows.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Дата"));
  EXPECT_TRUE(rows.index(0, 0).data().toString().startsWith(QStringLiteral("2026-12-02")));
  EXPECT_EQ(dialog.selected(), q(newer)) << "the newest chosen first";

  double_click(dialog, 1);
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("2026-12-01_21-00-00.csv")));
  EXPECT_TRUE(dialog.isVisible()) << "the table stays open for the next choice";

  dialog.table().setFocus();
  dialog.table().selectRow(0);
  QTest::keyClick(&dialog.table(), Qt::Key_Return);
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("2026-12-02_21-00-00.csv")));
  EXPECT_TRUE(dialog.isVisible()) << "Enter is the row's, not the dialog's";

  EXPECT_FALSE(window.background());
  dialog.table().selectRow(1);
  dialog.background_button().click();
  ASSERT_TRUE(window.background());
  EXPECT_EQ(window.background()->label.rfind("Фон: 2026-12-01_21-00-00.csv", 0), 0u);
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("2026-12-02_21-00-00.csv")))
      << "the run shown stays";

  // Listed anew each time: a run that came meanwhile is there.
  kolvar::testing::write_bytes(folder.file("2026-12-03_21-00-00.csv"),
                               kolvar::testing::read_bytes(newer));
  EXPECT_EQ(window.show_journal().table().model()->rowCount(), 3);
  EXPECT_EQ(&window.show_journal(), &dialog) << "one table per window";
}

TEST_F(JournalFolder, ALiveWindowOpensARunInAWindowOfItsOwn) {
  PlotWindow live;
  live.set_live(true);
  live.set_runs_folder(folder.path());
  live.show();
  RunJournalDialog& dialog = live.show_journal();
  ASSERT_EQ(dialog.table().model()->rowCount(), 2);
  double_click(dialog, 1);
  EXPECT_TRUE(live.model().empty()) << "the run under way keeps its window";
  const auto opened = live.findChildren<PlotWindow*>();
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(opened.front()->isVisible());
  EXPECT_FALSE(opened.front()->model().empty());
  delete opened.front();
}

TEST(RunJournal, AFolderThatCannotBeListedSaysWhyAndOffersNothing) {
  kolvar::testing::TempFolder folder;
  PlotWindow window;
  window.set_runs_folder(folder.file("nowhere"));
  RunJournalDialog& dialog = window.show_journal();
  EXPECT_EQ(dialog.table().model()->rowCount(), 0);
  EXPECT_TRUE(dialog.status().contains(QStringLiteral("no such folder")));
  EXPECT_FALSE(dialog.open_button().isEnabled());
  EXPECT_FALSE(dialog.background_button().isEnabled());
  EXPECT_TRUE(window.offered_background().isEmpty());
}

}  // namespace run_journal_test
}  // namespace kolvar::plot
