#include "launch/sim_note_at_stop.h"

#include "launch/sim_note.h"
#include "record/snapshot.h"

namespace kolvar::launch {

SimNoteAtStop::SimNoteAtStop(form::Controller& controller, const sim::Plant& plant,
                             simrun::Charge charge, record::RunRecord& record,
                             journal::NoteBook& notes)
    : controller_(controller),
      plant_(plant),
      charge_(charge),
      record_(record),
      notes_(notes),
      self_(std::make_shared<SimNoteAtStop*>(this)) {
  record_.subscribe(*this);
  // After the record's own watch, which tells of the run's start and stop
  // first; a watch outliving this finds it gone.
  controller_.after_each_event([self = std::weak_ptr<SimNoteAtStop*>(self_)](
                                   form::Controller&, const form::Control& source) {
    if (const auto alive = self.lock()) (*alive)->after_event(source);
  });
}

SimNoteAtStop::~SimNoteAtStop() {
  record_.unsubscribe(*this);
}

void SimNoteAtStop::run_started(const std::vector<std::string>&) {
  stopped_ = false;
  watch_ = std::make_unique<simrun::RunWatch>(controller_, plant_,
                                              [this] { return controller_.os.clock.now(); });
}

void SimNoteAtStop::after_event(const form::Control& source) {
  if (!watch_) return;
  // The stop's own cycle counts too: the note is filled once it is in.
  if (record::is_cycle_timer(source))
    watch_->after_cycle(controller_.os.clock.now());
  else
    watch_->after_command();
  if (!stopped_) return;
  const simrun::RunSummary summary = watch_->summary();
  watch_.reset();
  notes_.complete(record_.file(),
                  [this, &summary](journal::RunNote& note) { fill_note(note, charge_, summary); });
}

std::function<std::shared_ptr<void>(record::RunRecord&, journal::NoteBook&)> sim_notes(
    form::Controller& controller, const sim::Plant& plant, simrun::Charge charge) {
  return [&controller, &plant, charge](record::RunRecord& record, journal::NoteBook& notes) {
    return std::make_shared<SimNoteAtStop>(controller, plant, charge, record, notes);
  };
}

}  // namespace kolvar::launch
