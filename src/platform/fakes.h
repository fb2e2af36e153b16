#pragma once
// Recording stand-ins for the outside world, for unit tests and the scenario
// runner: each remembers what it was asked to do and when, and can pass every
// event on as it happens (the runner prints them).
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/time/clock.h"

namespace kolvar::platform {

// Called with the time and the text of each recorded event.
using EventSink = std::function<void(Millis, const std::string&)>;

struct Recorded {
  Millis time;
  std::string text;

  bool operator==(const Recorded&) const = default;
};

// Records each call: the time and the text (message, file, path).
class Recorder {
 public:
  explicit Recorder(const Clock& clock, EventSink sink = {});

  std::vector<Recorded> events;

 protected:
  void record(const std::string& text);

 private:
  const Clock& clock_;
  EventSink sink_;
};

class RecordingMessageBox : public MessageBox, public Recorder {
 public:
  using Recorder::Recorder;
  void show(const std::string& text) override;
};

// Told to fail, play throws and records nothing: no sound was started.
class RecordingSound : public Sound, public Recorder {
 public:
  using Recorder::Recorder;
  void play(const std::string& file) override;

  bool fail = false;
};

// Told to fail, start throws and records nothing: no program was started.
// With a `program` to pass to (a simulated rig's), that one starts the path,
// and a start it refuses is not recorded either.
class RecordingLauncher : public Launcher, public Recorder {
 public:
  using Recorder::Recorder;
  void start(const std::string& path) override;

  bool fail = false;
  Launcher* program = nullptr;
};

class FixedLocale : public Locale {
 public:
  explicit FixedLocale(char separator = '.') : separator(separator) {}
  char decimal_separator() const override { return separator; }

  char separator;
};

}  // namespace kolvar::platform
