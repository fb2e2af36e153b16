#pragma once
// The outside world as the controller sees it: small interfaces with real
// implementations for the desktop and recording fakes for tests and the
// scenario runner.
#include <string>

#include "platform/ports/port_backend.h"
#include "platform/time/clock.h"

namespace kolvar::platform {

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows text with one OK button, for the operator to close. Returns
  // without waiting for that: the timers go on while the box stands.
  virtual void show(const std::string& text) = 0;
};

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts playing a sound file asynchronously; throws kolvar::Failure when it cannot.
  virtual void play(const std::string& file) = 0;
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the program named by path (no shell, no splitting at blanks), minimized
  // where the platform has such a thing, without waiting; throws kolvar::Failure.
  virtual void start(const std::string& path) = 0;
};

class Locale {
 public:
  virtual ~Locale() = default;
  // The user's decimal separator, "." or "," (one character).
  virtual char decimal_separator() const = 0;
};

// Everything the controller needs from outside, by reference; the owner keeps
// the objects alive for the controller's life.
struct Services {
  Clock& clock;
  PortBackend& port1;  // first choice
  PortBackend& port2;  // second choice
  MessageBox& message_box;
  Sound& sound;
  Launcher& launcher;
  Locale& locale;
};

}  // namespace kolvar::platform
