#include "vaporel-calc/batch.hpp"

#include <charconv>

#include "calculation/boundary_values.hpp"
#include "calculation/field_tests.hpp"
#include "calculation/resolve_state.hpp"
#include "calculation/result_texts.hpp"
#include "calculation/thermophysical.hpp"

namespace vaporel {
namespace {

constexpr const char* kAllFields = "All fields require data";

std::string_view PatternOf(Row2 row) {
  switch (row) {
    case Row2::MinWetBulb: return kTwbminPattern;
    case Row2::MinEnthalpy: return kEnthalpyPattern;
    case Row2::MaxAbsHumidity: return kXmaxPattern;
    case Row2::None: break;
  }
  return {};
}

// A field's check sees an empty text as accepted; a text that is not a number is refused.
struct Field {
  bool empty;
  std::optional<double> value;
};
Field Read(std::string_view text, const Numbers& numbers) { return {text.empty(), numbers.parse(text)}; }

BatchResult Refused(std::string message) {
  BatchResult result;
  result.refusal = std::move(message);
  return result;
}

}  // namespace

BatchResult CalculateFromTexts(InputPair pair, std::string_view pText, std::string_view firstText,
                               std::string_view secondText, const Numbers& numbers) {
  BatchResult result;
  const Field p = Read(pText, numbers);
  const Field first = Read(firstText, numbers);
  const Field second = Read(secondText, numbers);

  // The panel as the checks leave it: limits only as their labels would read back.
  std::optional<double> tdbmaxShown;
  std::optional<double> row2Shown;

  if (!p.empty) {
    if (!p.value) return Refused(kNumbersOnly);
    const PressureVerdict verdict = CheckPressure(pair, *p.value);
    if (verdict.refusal) return Refused(*verdict.refusal);
    tdbmaxShown = numbers.atDisplayPrecision(verdict.tdbmax, kTdbmaxPattern);
  }
  if (!first.empty) {
    if (!first.value) return Refused(kNumbersOnly);
    const FirstInputVerdict verdict = CheckFirstInput(pair, *first.value, {p.value, tdbmaxShown});
    if (verdict.refusal) return Refused(*verdict.refusal);
    if (verdict.row2 != Row2::None) {
      row2Shown = numbers.atDisplayPrecision(verdict.row2Value, PatternOf(verdict.row2));
    }
  }
  if (!second.empty) {
    if (!second.value) return Refused(kNumbersOnly);
    const SecondInputVerdict verdict =
        CheckSecondInput(pair, *second.value, {p.value, first.value, tdbmaxShown, row2Shown});
    if (verdict.refusal) return Refused(*verdict.refusal);
  }

  if (p.empty || first.empty || second.empty) return Refused(kAllFields);
  const Resolution resolution = ResolveState(pair, *p.value, *first.value, *second.value);
  if (const auto* refusal = std::get_if<Refusal>(&resolution)) return Refused(refusal->message);
  result.state = std::get<AirState>(resolution);
  result.props = ThermophysicalProperties(result.state);
  return result;
}

std::array<std::string, 13> DisplayTexts(const BatchResult& result, const Numbers& numbers) {
  return ResultTexts(result.state, result.props, numbers);
}

std::array<std::string, 13> PreciseTexts(const BatchResult& result, const Numbers& numbers) {
  const std::array<double, 13> values = ResultValues(result.state, result.props);
  std::array<std::string, 13> texts;
  for (std::size_t i = 0; i < values.size(); ++i) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, values[i]);
    std::string text(buffer, error == std::errc() ? end : buffer);
    for (char& c : text) {
      if (c == '.') c = numbers.decimalSeparator();
    }
    texts[i] = std::move(text);
  }
  return texts;
}

}  // namespace vaporel
