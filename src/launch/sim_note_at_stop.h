#pragma once
// The window on a simulated column fills each run's note at its stop, as
// kolvar-sim --headless does (see sim_note.h): the plant's run is watched
// cycle by cycle from each "Старт системы", and at the stop what the note
// leaves empty is filled in through the note book, which reports a note that
// cannot be written as it reports the editor's.
#include <functional>
#include <memory>

#include "journal/note_book.h"
#include "record/run_record.h"
#include "sim/plant.h"
#include "simrun/rig.h"
#include "simrun/run_watch.h"

namespace kolvar::launch {

class SimNoteAtStop final : private record::RunListener {
 public:
  // All must outlive this; the controller's watch it leaves behind does
  // nothing once this is gone.
  SimNoteAtStop(form::Controller& controller, const sim::Plant& plant, simrun::Charge charge,
                record::RunRecord& record, journal::NoteBook& notes);
  ~SimNoteAtStop();
  SimNoteAtStop(const SimNoteAtStop&) = delete;
  SimNoteAtStop& operator=(const SimNoteAtStop&) = delete;

 private:
  void run_started(const std::vector<std::string>& settings) override;
  void sample_taken(const record::Sample&) override {}
  void run_stopped() override { stopped_ = true; }
  void after_event(const form::Control& source);

  form::Controller& controller_;
  const sim::Plant& plant_;
  simrun::Charge charge_;
  record::RunRecord& record_;
  journal::NoteBook& notes_;
  std::unique_ptr<simrun::RunWatch> watch_;
  bool stopped_ = false;
  std::shared_ptr<SimNoteAtStop*> self_;
};

// What a window on a simulated column gives run_desktop_program to follow
// its runs (Asked::follow_runs).
std::function<std::shared_ptr<void>(record::RunRecord&, journal::NoteBook&)> sim_notes(
    form::Controller& controller, const sim::Plant& plant, simrun::Charge charge);

}  // namespace kolvar::launch
