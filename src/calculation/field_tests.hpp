#pragma once
// The field checks' own tests: value and limits in, verdict out. Limits that the window
// reads back from the boundary values panel arrive here at display precision; a limit
// that is not there (empty field or label) arrives as nullopt and refuses the field.

#include <optional>
#include <string>

#include "calculation/boundary_values.hpp"
#include "calculation/input_pair.hpp"
#include "calculation/messages.hpp"

namespace vaporel {

// Pressure field (Text2). Accepted: tdbmax for row 1 of the panel.
struct PressureVerdict {
  std::optional<std::string> refusal;
  double tdbmax = 0;
};
PressureVerdict CheckPressure(InputPair pair, double p);

// First input field (Text3).
enum class SecondLimit { None, MinWetBulb, MinEnthalpy, MaxAbsHumidity };
struct FirstInputVerdict {
  std::optional<std::string> refusal;
  SecondLimit secondLimit = SecondLimit::None;  // which caption of row 2 to show with Label19 (pair 1: none)
  double secondLimitValue = 0;                  // twbmin, hmin or xmax
  bool showsHmax = false;                       // row 3 (Label16 / Label21 = hmax) shown: pairs 3 and 4
  double hmax = 0;
};
struct FirstInputContext {
  std::optional<double> p;            // Text2
  std::optional<double> tdbmaxShown;  // Label12 read back
};
FirstInputVerdict CheckFirstInput(InputPair pair, double v, const FirstInputContext& context);

// Second input field (Text4).
struct SecondInputContext {
  std::optional<double> p;                 // Text2, full precision
  std::optional<double> first;             // Text3, full precision
  std::optional<double> tdbmaxShown;       // Label12 read back (pair 4)
  std::optional<double> secondLimitShown;  // Label19 read back (pairs 2 and 5)
};
struct SecondInputVerdict {
  std::optional<std::string> refusal;
  // Pair 4: the recomputed limits, written to Label19 / Label21 before the test.
  std::optional<EnthalpyRange> pair4Panel;
};
SecondInputVerdict CheckSecondInput(InputPair pair, double v, const SecondInputContext& context);

}  // namespace vaporel
