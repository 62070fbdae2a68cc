// The certified powers against the C library's pow itself, bit for bit, on both ways of
// taking the exact products: temperatures over -150 .. 200 °C (dense around 0 °C, where the
// ice and water fits meet) and logarithms of 0.1 .. 10 bar.
#include "properties/certified_powers.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace vaporel {
namespace {

// pow called with an exponent the compiler cannot see, so never folded into a product.
double Pow(double t, int k) {
  const volatile double exponent = k;
  return std::pow(t, exponent);
}

std::vector<double> Samples() {
  std::mt19937_64 draw(20261207);
  std::uniform_real_distribution<double> temperature(-150, 200), nearZero(-1, 1),
      logarithm(std::log(0.1), std::log(10.0));
  std::vector<double> samples;
  samples.reserve(1'204'000);
  for (int i = 0; i < 400000; ++i) samples.push_back(temperature(draw));
  for (int i = 0; i < 200000; ++i) samples.push_back(nearZero(draw));
  for (int i = -100000; i <= 100000; ++i) samples.push_back(i * 1e-5);  // the 0.00001 K grid over ±1 K
  for (int i = -1500; i <= 2000; ++i) samples.push_back(i * 0.1);       // the inputs as typed, 0.1 K apart
  for (int i = 0; i < 200000; ++i) samples.push_back(logarithm(draw));
  return samples;
}

void ExpectPowsBits(CertifiedPowers (*routine)(double, int)) {
  long differences = 0, called = 0, powers = 0;
  for (const double t : Samples()) {
    const CertifiedPowers table = routine(t, kHighestPower);
    for (int k = 2; k <= kHighestPower; ++k, ++powers) {
      const double pow = Pow(t, k);
      if (std::bit_cast<std::uint64_t>(table.power[static_cast<std::size_t>(k)]) != std::bit_cast<std::uint64_t>(pow) &&
          ++differences <= 5) {
        ADD_FAILURE() << std::hexfloat << t << "^" << k << ": " << table.power[static_cast<std::size_t>(k)] << ", pow "
                      << pow;
      }
      called += (table.calledPow >> k) & 1U;
    }
  }
  EXPECT_GE(powers, 5'000'000);
  EXPECT_EQ(differences, 0);
  // Most powers come from the products; pow is only called near a rounding boundary.
  EXPECT_LT(static_cast<double>(called) / static_cast<double>(powers), 0.15);
}

TEST(CertifiedPowers, SplitProductsGivePowsBits) { ExpectPowsBits(PowersBySplitProducts); }

TEST(CertifiedPowers, FusedMultiplyAddGivesPowsBits) {
  if (!ProcessorHasFusedMultiplyAdd()) GTEST_SKIP() << "this processor has no fused multiply-add";
  ExpectPowsBits(PowersByFusedMultiplyAdd);
}

TEST(CertifiedPowers, EdgesFallBackToPow) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (const double t : {0.0, -0.0, 0x1p-70, -0x1p70, 2.0, 0.5, -4.0, 1e300, kInfinity, -kInfinity,
                         std::numeric_limits<double>::quiet_NaN()}) {
    const CertifiedPowers table = PowersBySplitProducts(t, 4);
    for (int k = 2; k <= 4; ++k) {
      const double pow = Pow(t, k);
      const double got = table.power[static_cast<std::size_t>(k)];
      EXPECT_TRUE(std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(pow) ||
                  (std::isnan(got) && std::isnan(pow)))
          << t << "^" << k;
    }
    EXPECT_EQ(table.power[5], 0) << "above the highest power asked for";
  }
}

}  // namespace
}  // namespace vaporel
