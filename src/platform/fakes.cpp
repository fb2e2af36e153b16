#include "platform/fakes.h"

#include <utility>

#include "platform/failure.h"

namespace kolvar::platform {

Recorder::Recorder(const Clock& clock, EventSink sink) : clock_(clock), sink_(std::move(sink)) {}

void Recorder::record(const std::string& text) {
  events.push_back({clock_.now(), text});
  if (sink_) sink_(events.back().time, text);
}

void RecordingMessageBox::show(const std::string& text) {
  record(text);
}

// Worded as the real services' failures, less the system's reason.
void RecordingSound::play(const std::string& file) {
  if (fail) throw Failure("Не удалось воспроизвести звук: " + file);
  record(file);
}

void RecordingLauncher::start(const std::string& path) {
  if (fail) throw Failure("Не удалось запустить программу: " + path);
  if (program) program->start(path);
  record(path);
}

}  // namespace kolvar::platform
