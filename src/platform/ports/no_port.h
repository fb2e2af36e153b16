#pragma once
// A port backend that is not there: the second choice where the operator
// chose one way of reaching the column and nothing else may be tried, or the
// first where that choice could not even be read. Every write fails with the
// reason it was given, which is also the advice shown to the operator.
#include <string>
#include <utility>

#include "platform/failure.h"
#include "platform/ports/port_backend.h"

namespace kolvar::platform {

class NoPort final : public PortBackend {
 public:
  NoPort(std::string name, std::string reason)
      : name_(std::move(name)), reason_(std::move(reason)) {}

  std::string name() const override { return name_; }
  PortAvailability availability() override { return PortAvailability::Absent; }
  void write(std::uint8_t) override { throw Failure(reason_); }
  std::string advice() const override { return reason_; }

 private:
  std::string name_;
  std::string reason_;
};

}  // namespace kolvar::platform
