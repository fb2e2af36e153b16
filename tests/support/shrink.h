#pragma once
// A failing input cut down to the fewest items that still fail: chunks of
// halving size are removed while the input keeps failing, down to single
// items, until no single item can go.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace kolvar::testing {

// fails(items) must hold for the items given; so it does for the result.
template <class T, class Fails>
std::vector<T> shrink(std::vector<T> items, Fails fails) {
  std::size_t chunk = std::max<std::size_t>(items.size() / 2, 1);
  for (;;) {
    bool removed = false;
    for (std::size_t at = 0; at < items.size();) {
      const std::size_t end = std::min(at + chunk, items.size());
      std::vector<T> fewer;
      fewer.reserve(items.size() - (end - at));
      fewer.insert(fewer.end(), items.begin(), items.begin() + static_cast<std::ptrdiff_t>(at));
      fewer.insert(fewer.end(), items.begin() + static_cast<std::ptrdiff_t>(end), items.end());
      if (fails(fewer)) {
        items = std::move(fewer);
        removed = true;
      } else {
        at = end;
      }
    }
    if (chunk > 1)
      chunk /= 2;
    else if (!removed)
      return items;
  }
}

}  // namespace kolvar::testing
