#include "calculation/field_tests.hpp"

#include <gtest/gtest.h>

#include "numbers/numbers.hpp"

namespace vaporel {
namespace {

constexpr const char* kAccepted = "";

struct PressureCase {
  double p;
  const char* refusal;
};

void PrintTo(const PressureCase& c, std::ostream* os) { *os << c.p; }

class PressureField : public testing::TestWithParam<PressureCase> {};

TEST_P(PressureField, LimitsInclusive) {
  const PressureCase& c = GetParam();
  EXPECT_EQ(CheckPressure(InputPair::DryWetBulb, c.p).refusal.value_or(kAccepted), c.refusal) << c.p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressureField,
    testing::Values(PressureCase{0.1, kAccepted}, PressureCase{10, kAccepted}, PressureCase{1.01325, kAccepted},
                    PressureCase{10.0001, "Invalid entries, pressure must be less than 10 bar"},
                    PressureCase{0.05, "Invalid entries, ambient air pressure must be greater than 0.1 bar"},
                    PressureCase{0, "Invalid entries, ambient air pressure must be greater than 0.1 bar"},
                    PressureCase{-3, "Invalid entries, ambient air pressure must be greater than 0.1 bar"}));

TEST(PressureField, AcceptedPressureGivesTdbmax) {
  EXPECT_NEAR(CheckPressure(InputPair::DryWetBulb, 1.01325).tdbmax, 99.98495, 5e-6);
  EXPECT_NEAR(CheckPressure(InputPair::DryBulbHumidity, 1.01325).tdbmax, 0.9 * 99.98495, 5e-6);
}

struct FirstCase {
  int pair;
  double v;
  FirstInputContext context;
  const char* refusal;
};

void PrintTo(const FirstCase& c, std::ostream* os) { *os << "pair" << c.pair << " " << c.v; }

class FirstField : public testing::TestWithParam<FirstCase> {};

TEST_P(FirstField, Verdict) {
  const FirstCase& c = GetParam();
  EXPECT_EQ(CheckFirstInput(InputPairFromNumber(c.pair), c.v, c.context).refusal.value_or(kAccepted), c.refusal)
      << "pair " << c.pair << " v " << c.v;
}

constexpr const char* kTooCold = "Invalid entries, dry bulb temperature must be greater than -40 oC";
constexpr const char* kTooHot = "Dry bulb temperature is higher then water boiling temperaure";
const FirstInputContext kPair1At1Atm{1.01325, 90.0};
const FirstInputContext kAt1Atm{1.01325, 100.0};

INSTANTIATE_TEST_SUITE_P(Cases, FirstField,
                         testing::Values(FirstCase{1, 89.9, kPair1At1Atm, kAccepted},
                                         FirstCase{1, 90, kPair1At1Atm, kTooHot},
                                         FirstCase{2, 99.9, kAt1Atm, kAccepted}, FirstCase{2, 100, kAt1Atm, kTooHot},
                                         FirstCase{3, -40.1, kAt1Atm, kAccepted},
                                         FirstCase{5, -40.2, kAt1Atm, kTooCold}, FirstCase{4, 0.01, kAt1Atm, kAccepted},
                                         FirstCase{4, 250, kAt1Atm, kAccepted},
                                         // a missing pressure or tdbmax refuses instead of comparing against nothing
                                         FirstCase{2, 20, {std::nullopt, 100.0}, kPressureFirst},
                                         FirstCase{1, 20, {1.01325, std::nullopt}, kPressureFirst},
                                         FirstCase{4, 0.01, {1.01325, std::nullopt}, kPressureFirst},
                                         FirstCase{1, 20, {std::nullopt, 90.0}, kAccepted}));

TEST(FirstField, RowsOfThePanel) {
  const Numbers point('.');
  const FirstInputVerdict pair1 = CheckFirstInput(InputPair::DryBulbHumidity, 20, kPair1At1Atm);
  EXPECT_EQ(pair1.secondLimit, SecondLimit::None);
  EXPECT_FALSE(pair1.showsHmax);

  const FirstInputVerdict pair2 = CheckFirstInput(InputPair::DryWetBulb, 20, kAt1Atm);
  EXPECT_EQ(pair2.secondLimit, SecondLimit::MinWetBulb);
  EXPECT_EQ(point.format(pair2.secondLimitValue, kTwbminPattern), "5.7");
  EXPECT_FALSE(pair2.showsHmax);

  const FirstInputVerdict pair3 = CheckFirstInput(InputPair::DryBulbEnthalpy, 20, kAt1Atm);
  EXPECT_EQ(pair3.secondLimit, SecondLimit::MinEnthalpy);
  EXPECT_EQ(point.format(pair3.secondLimitValue, kEnthalpyPattern), "20.1");
  EXPECT_TRUE(pair3.showsHmax);
  EXPECT_EQ(point.format(pair3.hmax, kEnthalpyPattern), "55.4");

  const FirstInputVerdict pair4 = CheckFirstInput(InputPair::AbsHumidityEnthalpy, 0.01, kAt1Atm);
  EXPECT_EQ(pair4.secondLimit, SecondLimit::MinEnthalpy);
  EXPECT_EQ(point.format(pair4.secondLimitValue, kEnthalpyPattern), "39.4");
  EXPECT_EQ(point.format(pair4.hmax, kEnthalpyPattern), "127.7");

  const FirstInputVerdict pair5 = CheckFirstInput(InputPair::DryBulbAbsHumidity, 20, kAt1Atm);
  EXPECT_EQ(pair5.secondLimit, SecondLimit::MaxAbsHumidity);
  EXPECT_EQ(point.format(pair5.secondLimitValue, kXmaxPattern), "0.01468");
}

TEST(FirstField, RefusedRangeGivesNoRows) {
  const FirstInputVerdict v = CheckFirstInput(InputPair::DryWetBulb, 100, kAt1Atm);
  EXPECT_EQ(v.secondLimit, SecondLimit::None);
  EXPECT_FALSE(v.showsHmax);
}

struct SecondCase {
  int pair;
  double v;
  SecondInputContext context;
  const char* refusal;
};

void PrintTo(const SecondCase& c, std::ostream* os) { *os << "pair" << c.pair << " " << c.v; }

class SecondField : public testing::TestWithParam<SecondCase> {};

TEST_P(SecondField, Verdict) {
  const SecondCase& c = GetParam();
  EXPECT_EQ(CheckSecondInput(InputPairFromNumber(c.pair), c.v, c.context).refusal.value_or(kAccepted), c.refusal)
      << "pair " << c.pair << " v " << c.v;
}

constexpr const char* kRH = "Invalid entries, Relative Humidity must be in range 0 to 100 %";
constexpr const char* kTwb = "Invalid entries, Wet Bulb Temperature > twbmin and < tdb";
constexpr const char* kH3 = "Invalid entries, Enthalpy in sturated region must be between hmin and hmax";
constexpr const char* kH4 = "Invalid entries, Enthalpy must be in written range";
constexpr const char* kX = "Invalid entries, Absolute humidity must be less than xmax";
const SecondInputContext kTdb20{1.01325, 20.0, 100.0, std::nullopt};
const SecondInputContext kTwbmin57{1.01325, 20.0, 100.0, 5.7};
const SecondInputContext kXmax01468{1.01325, 20.0, 100.0, 0.01468};
const SecondInputContext kX001{1.01325, 0.01, 100.0, std::nullopt};

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondField,
    testing::Values(SecondCase{1, 0, {}, kAccepted}, SecondCase{1, 100, {}, kAccepted}, SecondCase{1, 105, {}, kRH},
                    SecondCase{1, -0.1, {}, kRH}, SecondCase{2, 5.7, kTwbmin57, kAccepted},
                    SecondCase{2, 5.6, kTwbmin57, kTwb}, SecondCase{2, 25, kTwbmin57, kAccepted},
                    SecondCase{3, 20.08, kTdb20, kAccepted}, SecondCase{3, 20, kTdb20, kH3},
                    SecondCase{3, 56, kTdb20, kAccepted}, SecondCase{3, 58, kTdb20, kH3},
                    SecondCase{4, 39.4, kX001, kAccepted}, SecondCase{4, 127.7, kX001, kAccepted},
                    SecondCase{4, 30, kX001, kH4}, SecondCase{4, 130, kX001, kH4},
                    SecondCase{5, 0.01468, kXmax01468, kAccepted}, SecondCase{5, 0.01469, kXmax01468, kX},
                    // missing limits
                    SecondCase{2, 10, kTdb20, kFirstInputFirst}, SecondCase{5, 0.01, kTdb20, kFirstInputFirst},
                    SecondCase{3, 30, {std::nullopt, 20.0, 100.0, std::nullopt}, kPressureFirst},
                    SecondCase{3, 30, {1.01325, std::nullopt, 100.0, std::nullopt}, kFirstInputFirst},
                    SecondCase{4, 50, {1.01325, 0.01, std::nullopt, std::nullopt}, kPressureFirst},
                    SecondCase{4, 50, {1.01325, std::nullopt, 100.0, std::nullopt}, kFirstInputFirst}));

TEST(SecondField, Pair4WritesItsLimitsWhetherOrNotTheValuePasses) {
  for (double v : {30.0, 50.0}) {
    const SecondInputVerdict verdict = CheckSecondInput(InputPair::AbsHumidityEnthalpy, v, kX001);
    ASSERT_TRUE(verdict.pair4Panel.has_value());
    EXPECT_NEAR(verdict.pair4Panel->hmax, 127.7, 0.05);
    EXPECT_NEAR(verdict.pair4Panel->hmin, 39.4, 0.05);
  }
  EXPECT_FALSE(CheckSecondInput(InputPair::DryBulbEnthalpy, 30, kTdb20).pair4Panel.has_value());
}

TEST(SecondField, Pair4WithDryAir) {
  const SecondInputContext dry{1.01325, 0.0, 100.0, std::nullopt};
  EXPECT_FALSE(CheckSecondInput(InputPair::AbsHumidityEnthalpy, 0, dry).refusal.has_value());
  EXPECT_NEAR(CheckSecondInput(InputPair::AbsHumidityEnthalpy, 0, dry).pair4Panel->hmin, -269.77, 0.01);
}

}  // namespace
}  // namespace vaporel
