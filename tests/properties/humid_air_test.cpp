#include "properties/humid_air.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "properties/standard_atmosphere.hpp"

namespace vaporel {
namespace {

struct AbsHumidityCase {
  double t, phi, p, expected, tolerance;
};

void PrintTo(const AbsHumidityCase& c, std::ostream* os) { *os << c.t << "C " << c.phi << "% " << c.p << "bar"; }

class AbsHumidityTable : public testing::TestWithParam<AbsHumidityCase> {};

TEST_P(AbsHumidityTable, MatchesPublishedValue) {
  const AbsHumidityCase& c = GetParam();
  EXPECT_NEAR(AbsHumidity(c.t, c.phi, c.p), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Reference, AbsHumidityTable,
    testing::Values(AbsHumidityCase{20, 50, 1.01325, 0.007254937, 5e-10},
                    AbsHumidityCase{20, 100, 1.01325, 0.01468112, 5e-9},
                    AbsHumidityCase{0, 100, 1.0, 0.003822393, 5e-10}, AbsHumidityCase{-10, 100, 1.0, 0.00161456, 5e-9},
                    AbsHumidityCase{50, 100, 1.01325, 0.08620947, 5e-9},
                    // Near the boiling point the denominator vanishes; just above it turns negative.
                    AbsHumidityCase{99, 100, 1.01325, 17.03, 5e-3},
                    AbsHumidityCase{100.1, 100, 1.01325, -177.3, 5e-2}));

TEST(AbsHumidity, NoRelativeHumidityGivesExactlyZero) {
  for (double t : {-40.0, 0.0, 20.0, 150.0}) {
    for (double p : {0.1, 1.0, 10.0}) {
      EXPECT_EQ(AbsHumidity(t, 0, p), 0.0) << t << " " << p;
    }
  }
}

struct EnthalpyCase {
  double t, x, expected, tolerance;
};

void PrintTo(const EnthalpyCase& c, std::ostream* os) { *os << c.t << "C x" << c.x; }

class EnthalpyTable : public testing::TestWithParam<EnthalpyCase> {};

TEST_P(EnthalpyTable, MatchesPublishedValue) {
  const EnthalpyCase& c = GetParam();
  EXPECT_NEAR(Enthalpy(c.t, c.x), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Reference, EnthalpyTable,
                         testing::Values(EnthalpyCase{20, 0, 20.0796, 5e-5}, EnthalpyCase{20, 0.01, 45.46, 5e-3},
                                         EnthalpyCase{0, 0.005, 12.5042, 5e-5}, EnthalpyCase{-10, 0.001, -7.5413, 5e-5},
                                         EnthalpyCase{50, 0.086, 273.376, 5e-4}));

TEST(Enthalpy, GrowsLinearlyInX) {
  for (double t : {-20.0, 0.0, 35.0}) {
    EXPECT_NEAR(Enthalpy(t, 0.02) - Enthalpy(t, 0.01), Enthalpy(t, 0.01) - Enthalpy(t, 0), 1e-10);
  }
  EXPECT_LT(Enthalpy(-5, 0), 0);
}

}  // namespace
}  // namespace vaporel

namespace vaporel {
namespace {

// The standard atmosphere's table: 0, 500, 1 000 and 4 000 m.
TEST(StandardAtmosphere, MatchesThePublishedTable) {
  EXPECT_NEAR(StandardAtmospherePressure(0), 1.01325, 1e-12);
  EXPECT_NEAR(StandardAtmospherePressure(500), 0.95461, 5e-6);
  EXPECT_NEAR(StandardAtmospherePressure(1000), 0.89875, 5e-6);
  EXPECT_NEAR(StandardAtmospherePressure(4000), 0.61640, 5e-6);
  EXPECT_TRUE(std::isnan(StandardAtmospherePressure(50000)));
}

}  // namespace
}  // namespace vaporel
