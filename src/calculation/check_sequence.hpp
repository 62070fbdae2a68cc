#pragma once
// The user's order of checks, shared by the main window and the batch calculator: the
// pressure, the first input against the limits the boundary values panel shows, the
// second input, then Calculate. Each step works on the texts the window holds (field
// texts, the panel's value labels), so that a limit is compared at the precision shown.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calculation/field_tests.hpp"
#include "calculation/input_pair.hpp"
#include "calculation/messages.hpp"
#include "calculation/resolve_state.hpp"
#include "numbers/numbers.hpp"

namespace vaporel {

// The pattern of the value a row-2 caption is shown with (Label19).
std::string_view SecondLimitPattern(SecondLimit row);

// The pressure (Text2) passed its numeric test: its own tests and Label12's new text.
struct PressureStep {
  std::optional<std::string> refusal;
  std::string tdbmaxText;  // Label12
};
PressureStep CheckPressureStep(InputPair pair, double p, const Numbers& numbers);

// The first input (Text3) passed its numeric test, with Text2's text and Label12's text as
// they stand: its own tests and the texts of rows 2 and 3.
struct FirstInputStep {
  FirstInputVerdict verdict;
  std::string secondLimitText;  // Label19, when verdict.secondLimit is not None
  std::string hmaxText;         // Label21, when verdict.showsHmax
};
FirstInputStep CheckFirstInputStep(InputPair pair, double value, std::string_view pressureText,
                                   std::string_view tdbmaxText, const Numbers& numbers);

// The second input (Text4) passed its numeric test, with the texts of Text2, Text3, Label12
// and Label19: its own tests and, for pair 4, the recomputed limits' texts (hmin, hmax).
struct SecondInputStep {
  std::optional<std::string> refusal;
  std::optional<std::pair<std::string, std::string>> enthalpyLimitTexts;
};
SecondInputStep CheckSecondInputStep(InputPair pair, double value, std::string_view pressureText,
                                     std::string_view firstText, std::string_view tdbmaxText,
                                     std::string_view secondLimitText, const Numbers& numbers);

// The texts of Text2, Text3 and Text4.
struct FieldTexts {
  std::string_view pressure, first, second;
};

// The Calculate command's checks and resolution on the three texts: the first empty field
// refuses, then nothing happens while no pair is selected (nullopt), then a text that is
// not a number refuses, then the state is resolved.
std::optional<Resolution> CalculateFromFields(InputPair pair, const FieldTexts& texts, const Numbers& numbers);

// The whole sequence as a user who fills the three fields in order and presses Calculate
// meets it: each non-empty field checked as the focus leaves it, then Calculate. The first
// refusal ends it, naming the field whose check refused as its focus (none when Calculate
// refuses). Without a pair: "Invalid entries, please select an input pair".
Resolution CheckAndCalculate(InputPair pair, const FieldTexts& texts, const Numbers& numbers);

}  // namespace vaporel
