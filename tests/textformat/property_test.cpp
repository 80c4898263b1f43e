#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/byte_mutations.h"
#include "model/random_set.h"
#include "textformat/minimal_file.h"
#include "textformat/text_reader.h"
#include "textformat/text_writer.h"

namespace zef::textformat {
namespace {

using model::testing::ByteMutations;
using model::testing::kRandomSetFileDate;
using model::testing::RandomSets;
using model::testing::StoredDifferences;

constexpr const char* kSource = "/nonexistent/random.txt";

TEST(TextProperty, RandomSetsReadBackAsWritten) {
  RandomSets sets(20240601);
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE("set " + std::to_string(i));
    const model::DataSet set = sets.Next();
    model::LineSink messages;
    const TextReadResult read = ReadText(WriteText(set), kSource, kRandomSetFileDate, messages);
    ASSERT_EQ(read.result, kReadClean) << ::testing::PrintToString(messages.Lines());
    EXPECT_EQ(StoredDifferences(*read.set, set), "");
  }
}

// Whatever the damage, the read ends with one of its three results, a set
// exactly when it did not fail, a message for every result but clean, and a
// band range inside the grid.
TEST(TextProperty, DamagedTextsNeverCrashAndAlwaysSayWhy) {
  RandomSets sets(7);
  std::vector<std::vector<char>> originals;
  const std::string minimal = testing::MinimalZef1();
  originals.emplace_back(minimal.begin(), minimal.end());
  for (int i = 0; i < 3; ++i) {
    const std::string text = WriteText(sets.Next());
    originals.emplace_back(text.begin(), text.end());
  }
  ByteMutations mutations(99);
  int failed = 0;
  for (int i = 0; i < 240; ++i) {
    const std::vector<char> text = mutations.Mutated(originals[i % originals.size()]);
    model::LineSink messages;
    const TextReadResult read =
        ReadText({text.data(), text.size()}, kSource, kRandomSetFileDate, messages);
    ASSERT_TRUE(read.result == kReadClean || read.result == kReadWithErrors ||
                read.result == kReadFailed);
    ASSERT_EQ(read.set == nullptr, read.result == kReadFailed);
    ASSERT_TRUE(read.result == kReadClean || !messages.Lines().empty());
    failed += read.result == kReadFailed;
    if (!read.set) continue;
    const model::DataRecord& data = read.set->data;
    ASSERT_LT(data.MinBand(), data.MaxBand());
    ASSERT_LT(data.MaxBand(), static_cast<std::uint32_t>(data.GetGrid().bands));
  }
  EXPECT_GT(failed, 0);  // the damage did reach the reader's checks
}

}  // namespace
}  // namespace zef::textformat
