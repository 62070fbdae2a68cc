// Any doubles for any pair, entered as a user enters them: every state the field checks
// accept resolves to finite values or to a refusal with its message, and the wet bulb lies
// within 0.005 K of where the saturated enthalpy passes the state's.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <variant>

#include "calculation/check_sequence.hpp"
#include "calculation/result_texts.hpp"
#include "calculation/thermophysical.hpp"
#include "support/sign_change.hpp"

namespace {

// A field text for the value as a user could type it (fixed notation, no exponent).
bool Typed(double value, char (&text)[64]) {
  if (!std::isfinite(value) || std::abs(value) >= 1e7) return false;
  std::snprintf(text, sizeof text, "%.9f", value);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vaporel;
  if (size < 1 + 3 * sizeof(double)) return 0;
  double values[3];
  std::memcpy(values, data + 1, sizeof values);
  char texts[3][64];
  for (int i = 0; i < 3; ++i) {
    if (!Typed(values[i], texts[i])) return 0;
  }
  const InputPair pair = InputPairFromNumber(1 + data[0] % 5);
  const Resolution r = CheckAndCalculate(pair, {texts[0], texts[1], texts[2]}, Numbers('.'));
  if (const auto* refusal = std::get_if<Refusal>(&r)) {
    if (refusal->message.empty()) std::abort();
    return 0;
  }
  const AirState& s = std::get<AirState>(r);
  for (double v : ResultValues(s, ThermophysicalProperties(s))) {
    if (!std::isfinite(v)) std::abort();
  }
  if (pair != InputPair::DryWetBulb && s.twb != s.tdb) {
    const double change = testing_support::SignChange(s.tdb, s.h, s.p);
    if (std::abs(s.twb - change) > 0.005) {
      std::fprintf(stderr, "twb %.17g, sign change %.17g\n", s.twb, change);
      std::abort();
    }
  }
  return 0;
}
