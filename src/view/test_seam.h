#pragma once
// The Qt window's side of the test seams (desk/test_seam.h): the first
// paint, which Qt tells through an event filter.
#include <memory>

#include "view/desktop.h"

namespace kolvar::view {

// Prints "@T shown" at the window's first paint.
class FirstPaintPrinter {
 public:
  explicit FirstPaintPrinter(Desktop& desktop);
  ~FirstPaintPrinter();
  FirstPaintPrinter(const FirstPaintPrinter&) = delete;
  FirstPaintPrinter& operator=(const FirstPaintPrinter&) = delete;

 private:
  struct Filter;
  std::unique_ptr<Filter> filter_;
};

}  // namespace kolvar::view
