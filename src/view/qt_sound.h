#pragma once
// The stop sound through Qt Multimedia, played without waiting.
#include <QSoundEffect>
#include <functional>
#include <memory>
#include <string>

#include "platform/services.h"

namespace kolvar::view {

class QtSound : public platform::Sound {
 public:
  // Told when a sound that had started fails later (Qt finds the file
  // undecodable only after play has returned).
  explicit QtSound(std::function<void()> late_failure) : late_failure_(std::move(late_failure)) {}

  // QSoundEffect reports neither a missing audio device nor a file that is
  // not a WAV file (it plays silence or loads for ever), so both are checked
  // here first: a Failure means no sound will be heard.
  void play(const std::string& file) override;

 private:
  std::function<void()> late_failure_;
  std::unique_ptr<QSoundEffect> effect_;  // made at the first play: it opens the audio system
};

}  // namespace kolvar::view
