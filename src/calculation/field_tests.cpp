// The field checks' own tests. Every limit is inclusive; each comparison is written so that
// a limit that is not a number refuses the value rather than letting it through.
#include "calculation/field_tests.hpp"

#include "calculation/messages.hpp"
#include "calculation/pressure_range.hpp"
#include "properties/humid_air.hpp"

namespace vaporel {
namespace {

constexpr double kMinDryBulb = -40.1;  // [°C]

bool TakesDryBulbFirst(InputPair pair) {
  return pair == InputPair::DryBulbHumidity || pair == InputPair::DryWetBulb || pair == InputPair::DryBulbEnthalpy ||
         pair == InputPair::DryBulbAbsHumidity;
}

}  // namespace

PressureVerdict CheckPressure(InputPair pair, double p) {
  if (!(p <= kHighestPressure)) {
    return {kPressureTooHigh};
  }
  if (!(p >= kLowestPressure)) {
    return {kPressureTooLow};
  }
  return {std::nullopt, MaxDryBulb(pair, p)};
}

FirstInputVerdict CheckFirstInput(InputPair pair, double v, const FirstInputContext& context) {
  FirstInputVerdict verdict;
  if (pair == InputPair::None) {
    return verdict;
  }
  // Pair 1 needs only tdbmax; the others also compute their limits from the pressure.
  if (!context.tdbmaxShown || (pair != InputPair::DryBulbHumidity && !context.p)) {
    verdict.refusal = kPressureFirst;
    return verdict;
  }
  if (TakesDryBulbFirst(pair)) {
    if (!(v >= kMinDryBulb)) {
      verdict.refusal = kDryBulbTooLow;
      return verdict;
    }
    if (!(v < *context.tdbmaxShown)) {
      // For pair 1 tdbmax is 0.9 times the boiling temperature; the message is the same.
      verdict.refusal = kDryBulbAboveBoiling;
      return verdict;
    }
  }
  switch (pair) {
    case InputPair::DryWetBulb:
      verdict.secondLimit = SecondLimit::MinWetBulb;
      verdict.secondLimitValue = MinWetBulb(v, *context.p);
      break;
    case InputPair::DryBulbEnthalpy: {
      const EnthalpyRange range = DryBulbEnthalpyRange(v, *context.p);
      verdict.secondLimit = SecondLimit::MinEnthalpy;
      verdict.secondLimitValue = range.hmin;
      verdict.showsHmax = true;
      verdict.hmax = range.hmax;
      break;
    }
    case InputPair::AbsHumidityEnthalpy: {
      // The first input is the absolute humidity: no range test, only the limits for h.
      const EnthalpyRange range = AbsHumidityEnthalpyRange(v, *context.p, *context.tdbmaxShown);
      verdict.secondLimit = SecondLimit::MinEnthalpy;
      verdict.secondLimitValue = range.hmin;
      verdict.showsHmax = true;
      verdict.hmax = range.hmax;
      break;
    }
    case InputPair::DryBulbAbsHumidity:
      verdict.secondLimit = SecondLimit::MaxAbsHumidity;
      verdict.secondLimitValue = MaxAbsHumidity(v, *context.p);
      break;
    case InputPair::DryBulbHumidity:
    case InputPair::None: break;  // pair 1: the first input gives no further limits
  }
  return verdict;
}

namespace {

// Pair 3's enthalpy: from dry air to saturated air at the first input, at full precision
// (the panel's hmax is at 95 %).
SecondInputVerdict CheckDryBulbEnthalpy(double v, const SecondInputContext& context) {
  SecondInputVerdict verdict;
  if (!context.p) {
    verdict.refusal = kPressureFirst;
  } else if (!context.first) {
    verdict.refusal = kFirstInputFirst;
  } else {
    const EnthalpyRange range = SaturatedEnthalpyRange(*context.first, *context.p);
    if (!(v >= range.hmin && v <= range.hmax)) verdict.refusal = kSaturatedEnthalpyOutOfRange;
  }
  return verdict;
}

// Pair 4's enthalpy, with the limits the panel then shows.
SecondInputVerdict CheckAbsHumidityEnthalpy(double v, const SecondInputContext& context) {
  SecondInputVerdict verdict;
  if (!context.p || !context.tdbmaxShown) {
    verdict.refusal = kPressureFirst;
  } else if (!context.first) {
    verdict.refusal = kFirstInputFirst;
  } else {
    const EnthalpyRange range = AbsHumidityEnthalpyRange(*context.first, *context.p, *context.tdbmaxShown);
    verdict.pair4Panel = range;
    if (!(v >= range.hmin && v <= range.hmax)) verdict.refusal = kEnthalpyOutOfRange;
  }
  return verdict;
}

}  // namespace

SecondInputVerdict CheckSecondInput(InputPair pair, double v, const SecondInputContext& context) {
  SecondInputVerdict verdict;
  switch (pair) {
    case InputPair::DryBulbHumidity:
      if (!(v >= 0 && v <= 100)) {
        verdict.refusal = kHumidityOutOfRange;
      }
      break;
    case InputPair::DryWetBulb:
      if (!context.secondLimitShown) {
        verdict.refusal = kFirstInputFirst;
      } else if (!(v >= *context.secondLimitShown)) {
        // Only the lower limit: a twb above tdb is refused by the Calculate command.
        verdict.refusal = kWetBulbOutOfRange;
      }
      break;
    case InputPair::DryBulbEnthalpy: return CheckDryBulbEnthalpy(v, context);
    case InputPair::AbsHumidityEnthalpy: return CheckAbsHumidityEnthalpy(v, context);
    case InputPair::DryBulbAbsHumidity:
      if (!context.secondLimitShown) {
        verdict.refusal = kFirstInputFirst;
      } else if (!(v <= *context.secondLimitShown)) {
        verdict.refusal = kAbsHumidityTooHigh;
      }
      break;
    case InputPair::None: break;  // no input pair selected: nothing to test
  }
  return verdict;
}

}  // namespace vaporel
