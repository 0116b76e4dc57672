#include "run_codec.h"

#include <gtest/gtest.h>

#include "sqlite_connection.h"

namespace quelbrook::testing {
namespace {

using history::Bytes;
using history::ChangedRun;

TEST(RunCodec, RunsComeBackAsTheyWentAndATornBlobIsCalledCorrupt) {
  // A whole ROM's first point, a run that grew the file, a run that cut it short.
  const std::vector<ChangedRun> runs{
      {0, {}, Bytes(70000, 0x5A)}, {131088, {}, {1, 2, 3}}, {300, {9, 8}, {7}}, {0x7FFFFFFF, {1}, {2}}};
  const Bytes blob = history::EncodeRuns(runs);
  const auto back = history::DecodeRuns(blob);
  ASSERT_EQ(back.size(), runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(back[i].offset, runs[i].offset);
    EXPECT_EQ(back[i].before, runs[i].before);
    EXPECT_EQ(back[i].after, runs[i].after);
  }
  EXPECT_TRUE(history::DecodeRuns({}).empty());
  for (const std::size_t cut : {1ul, 5ul, 11ul, 12ul + 69999, blob.size() - 1}) {
    try {
      history::DecodeRuns(Bytes(blob.begin(), blob.begin() + static_cast<long>(cut)));
      ADD_FAILURE() << "cut at " << cut;
    } catch (const history::HistoryError& error) {
      EXPECT_EQ(error.code(), SQLITE_CORRUPT);
    }
  }
}

}  // namespace
}  // namespace quelbrook::testing
