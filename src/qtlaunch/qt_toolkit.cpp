#include "qtlaunch/qt_toolkit.h"

#include <QApplication>

#include "desk/test_seam.h"
#include "plot/live_plot.h"
#include "view/note_dialog.h"
#include "view/quit_signals.h"

namespace kolvar::qtlaunch {

QtToolkit::QtToolkit(view::Desktop& desktop, view::Companions& beside)
    : desktop_(desktop),
      beside_(beside),
      inbox_(new view::ThreadInbox(QCoreApplication::instance())) {}

std::shared_ptr<void> QtToolkit::show_live_plot(record::RunRecord& record,
                                                chart::BackgroundChoice& background) {
  auto plot = std::make_shared<plot::LivePlot>(record, &desktop_.window(), &background);
  beside_.add(plot->window());
  return plot;
}

void QtToolkit::edit_note(journal::NoteBook& notes) {
  view::edit_note(notes, &desktop_.window());
}

int QtToolkit::run() {
  view::QuitSignals quit([this](int) { desktop_.end(); });
  desktop_.start();
  desk::TestSeam::click_asked(desktop_);
  return QApplication::exec();
}

}  // namespace kolvar::qtlaunch
