// twbmin found by search must be the plain walk's step, bit for bit, on every input: over
// every pressure and every dry bulb the first field accepts, at the 0 °C step and at boiling.
#include <gtest/gtest.h>

#include "calculation/boundary_values.hpp"
#include "state_corpus.hpp"

namespace vaporel::corpus {
namespace {

#ifdef VAPOREL_HEAVY_CHECKS
constexpr std::uint64_t kPerShard = 250000;  // 1 000 000 in all
#else
constexpr std::uint64_t kPerShard = 2500;
#endif

class MinWetBulbSearch : public ::testing::TestWithParam<std::uint64_t> {};
INSTANTIATE_TEST_SUITE_P(Shards, MinWetBulbSearch, ::testing::Range<std::uint64_t>(0, 4));

TEST_P(MinWetBulbSearch, FindsTheWalksStep) {
  int differences = 0;
  for (std::uint64_t i = GetParam() * kPerShard; i < (GetParam() + 1) * kPerShard; ++i) {
    Draw d(i ^ 0x5bd1e995);
    const double p = std::stod(Fixed(d.between(0.1, 10), 5));
    const double tdbmax = SatTemperature(p);
    const double where = d.unit();
    double tdb = d.between(-40, tdbmax);
    if (where < 0.15) tdb = d.between(-0.5, 0.5);              // steps across the 0 °C step
    if (where > 0.85) tdb = tdbmax - d.between(0, 1);          // near boiling
    tdb = std::stod(Fixed(tdb, 1 + static_cast<int>(i % 4)));  // as typed: 1 to 4 decimals
    const double walked = MinWetBulbByWalk(tdb, p), searched = MinWetBulb(tdb, p);
    if (walked != searched && ++differences <= 5) {
      ADD_FAILURE() << "tdb " << tdb << " p " << p << ": walk " << walked << ", search " << searched;
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace vaporel::corpus
