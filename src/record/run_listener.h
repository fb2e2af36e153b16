#pragma once
// What follows the runs as the record takes them (the live plot, a web page):
// it subscribes to the program's run record and leaves it when it goes. It
// never owns the record, so the record is kept whether or not anything
// watches it.
#include <string>
#include <vector>

#include "record/sample.h"

namespace kolvar::record {

class RunListener {
 public:
  // A run begins ("Старт системы"); what was shown of the last one is past.
  virtual void run_started(const std::vector<std::string>& settings) = 0;
  // A row as it is taken, whether or not the file takes it.
  virtual void sample_taken(const Sample& sample) = 0;
  // The run ended with the last row given.
  virtual void run_stopped() = 0;

 protected:
  ~RunListener() = default;
};

}  // namespace kolvar::record
