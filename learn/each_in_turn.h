#pragma once
// Runs that make one picture after another and tell how far they are: capturing screens for
// learning and the console's screens and tiles.

#include <functional>
#include <type_traits>
#include <vector>

namespace quelbrook::learn {

// Told how many are done of how many; returning false stops the run.
using Progress = std::function<bool(int done, int total)>;

// make(0) .. make(total - 1) in turn, `progress` told before each and after the last, with
// `finish` run just before that last call. Empty when `progress` stopped the run.
template <typename Make, typename Made = std::invoke_result_t<const Make&, int>>
std::vector<Made> EachInTurn(int total, const Progress& progress, const Make& make,
                             const std::function<void()>& finish = {}) {
  std::vector<Made> made;
  for (int done = 0; done < total; ++done) {
    if (progress && !progress(done, total)) return {};
    made.push_back(make(done));
  }
  if (finish) finish();
  if (progress && !progress(total, total)) return {};
  return made;
}

}  // namespace quelbrook::learn
