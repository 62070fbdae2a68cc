// Every speed-up of the engine must leave every result bit where it was: the recorded
// records of 10 000 states, and the digests of 1 000 000, from before the first speed-up.
#include <gtest/gtest.h>

#include <cinttypes>
#include <fstream>
#include <string>

#include "state_corpus.hpp"

namespace vaporel::corpus {
namespace {

TEST(BitIdentity, TheRecordedStatesGiveTheirRecordedBits) {
  std::ifstream recorded(VAPOREL_CORPUS_DIR "/records-10k.txt");
  ASSERT_TRUE(recorded);
  std::string line;
  std::uint64_t index = 0;
  int differences = 0;
  for (; std::getline(recorded, line); ++index) {
    const std::string now = Record(InputsAt(index));
    if (now != line && ++differences <= 5) ADD_FAILURE() << "state " << index << "\nwas " << line << "\nnow " << now;
  }
  EXPECT_EQ(index, 10000u);
  EXPECT_EQ(differences, 0);
}

class Digests : public ::testing::TestWithParam<std::uint64_t> {};
INSTANTIATE_TEST_SUITE_P(Shards, Digests, ::testing::Range<std::uint64_t>(0, kShards));

TEST_P(Digests, AMillionStatesGiveTheirRecordedDigest) {
  std::ifstream recorded(VAPOREL_CORPUS_DIR "/digests-1m.txt");
  std::uint64_t first = 0;
  std::string hex;
  for (std::uint64_t shard = 0; shard <= GetParam(); ++shard) ASSERT_TRUE(recorded >> first >> hex);
  ASSERT_EQ(first, GetParam() * kShardSize);
  char now[32];
  std::snprintf(now, sizeof now, "%016" PRIx64, Digest(first, kShardSize));
  EXPECT_EQ(now, hex);
}

}  // namespace
}  // namespace vaporel::corpus
