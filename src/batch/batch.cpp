#include "batch/batch.hpp"

#include <charconv>
#include <cmath>

#include "batch/json_output.hpp"
#include "calculation/check_sequence.hpp"
#include "calculation/formulation_state.hpp"
#include "calculation/messages.hpp"
#include "calculation/result_texts.hpp"
#include "calculation/thermophysical.hpp"

namespace vaporel {

namespace {

// The refusal's message, or the state with its thermophysical properties.
BatchResult ResultOf(const Resolution& resolution) {
  BatchResult result;
  if (const auto* refusal = std::get_if<Refusal>(&resolution)) {
    result.refusal = refusal->message;
    return result;
  }
  result.state = std::get<AirState>(resolution);
  result.props = ThermophysicalProperties(result.state);
  return result;
}

// The two properties of a window's pair, in the window's order.
std::pair<Property, Property> PropertiesOf(InputPair pair) {
  switch (pair) {
    case InputPair::DryWetBulb: return {Property::Tdb, Property::Twb};
    case InputPair::DryBulbEnthalpy: return {Property::Tdb, Property::H};
    case InputPair::AbsHumidityEnthalpy: return {Property::X, Property::H};
    case InputPair::DryBulbAbsHumidity: return {Property::Tdb, Property::X};
    default: return {Property::Tdb, Property::RH};
  }
}

// A number typed in `units` as the SI text the checks read.
std::string TextInSi(std::string_view text, Quantity quantity, UnitSystem units, const Numbers& numbers) {
  if (units == UnitSystem::SI) return std::string(text);
  const auto value = numbers.parse(text);
  if (!value || !std::isfinite(*value)) return std::string(text);
  return ShortestText(FromUnits(quantity, units, *value), numbers);
}

}  // namespace

BatchResult CalculateFromTexts(InputPair pair, std::string_view pText, std::string_view firstText,
                               std::string_view secondText, const Numbers& numbers) {
  return ResultOf(CheckAndCalculate(pair, {pText, firstText, secondText}, numbers));
}

std::optional<std::pair<Property, Property>> PairNamed(std::string_view text) {
  const std::size_t plus = text.find('+');
  if (plus == std::string_view::npos) return std::nullopt;
  const auto a = PropertyNamed(text.substr(0, plus));
  const auto b = PropertyNamed(text.substr(plus + 1));
  if (!a || !b) return std::nullopt;
  return std::pair{*a, *b};
}

namespace {

// The two values read as numbers and resolved in the formulation, without the window's checks.
BatchResult CalculateIn(const Formulation& formulation, std::pair<Property, Property> pair, std::string_view p,
                        std::string_view first, std::string_view second, const Numbers& numbers) {
  const auto [a, b] = pair;
  BatchResult result;
  const auto pValue = numbers.parse(p), firstValue = numbers.parse(first), secondValue = numbers.parse(second);
  if (p.empty() || first.empty() || second.empty()) {
    result.refusal = kAllFieldsRequireData;
    return result;
  }
  if (!pValue || !firstValue || !secondValue) {
    result.refusal = kNumbersOnly;
    return result;
  }
  return ResultOf(ResolveIn(formulation, *pValue, {a, *firstValue}, {b, *secondValue}));
}

}  // namespace

BatchResult CalculateFromNamedPair(std::pair<Property, Property> pair, std::string_view p, std::string_view first,
                                   std::string_view second, const Numbers& numbers) {
  const auto [a, b] = pair;
  if (const InputPair window = WindowPair(a, b); window != InputPair::None) {
    return CalculateFromTexts(window, p, first, second, numbers);
  }
  if (const InputPair window = WindowPair(b, a); window != InputPair::None) {
    return CalculateFromTexts(window, p, second, first, numbers);
  }
  return CalculateIn(DesignFormulation(), pair, p, first, second, numbers);
}

std::optional<BatchResult> CalculateFromRow(std::string_view pair, std::string_view p, std::string_view first,
                                            std::string_view second, const Numbers& numbers, UnitSystem units,
                                            const Formulation& formulation) {
  const auto named = PairNamed(pair);
  const InputPair numbered = pair.size() == 1 ? InputPairFromNumber(pair[0] - '0') : InputPair::None;
  if (!named && numbered == InputPair::None) return std::nullopt;
  const auto [a, b] = named ? *named : PropertiesOf(numbered);
  const std::string pSi = TextInSi(p, Quantity::Pressure, units, numbers);
  const std::string firstSi = TextInSi(first, QuantityOf(a), units, numbers);
  const std::string secondSi = TextInSi(second, QuantityOf(b), units, numbers);
  BatchResult result = formulation.id() != FormulationId::Design
                           ? CalculateIn(formulation, {a, b}, pSi, firstSi, secondSi, numbers)
                       : named ? CalculateFromNamedPair(*named, pSi, firstSi, secondSi, numbers)
                               : CalculateFromTexts(numbered, pSi, firstSi, secondSi, numbers);
  result.ashrae = formulation.id() == FormulationId::Ashrae;
  if (units != UnitSystem::SI && !result.refusal) {
    result.typedPressure = numbers.parse(p);
    for (const auto& [property, text] : {std::pair{a, first}, std::pair{b, second}}) {
      if (const auto value = numbers.parse(text)) result.typed.push_back({property, *value});
    }
  }
  return result;
}

std::array<double, 13> ResultFigures(const BatchResult& result, UnitSystem units) {
  if (units == UnitSystem::SI) return ResultValuesIn(units, result.state, result.props);
  return ResultValuesIn(units, result.state, result.props, result.typedPressure, result.typed);
}

std::array<std::string, 13> DisplayTexts(const BatchResult& result, const Numbers& numbers, UnitSystem units) {
  if (units == UnitSystem::SI) return ResultTexts(result.state, result.props, numbers);
  const std::array<double, 13> values = ResultFigures(result, units);
  std::array<std::string, 13> texts;
  for (std::size_t i = 0; i < values.size(); ++i) texts[i] = numbers.format(values[i], kResultFields[i].pattern);
  return texts;
}

std::array<std::string, 13> PreciseTexts(const BatchResult& result, const Numbers& numbers, UnitSystem units) {
  const std::array<double, 13> values = ResultFigures(result, units);
  std::array<std::string, 13> texts;
  for (std::size_t i = 0; i < values.size(); ++i) texts[i] = ShortestText(values[i], numbers);
  return texts;
}

std::string StateJson(const BatchResult& result, UnitSystem units) {
  Json doc = JsonDocument(units, ResultKeys());
  const std::array<double, 13> values = ResultFigures(result, units);
  for (std::size_t i = 0; i < values.size(); ++i) doc[std::string(kResultFields[i].symbol)] = JsonNumber(values[i]);
  if (result.ashrae) doc["formulation"] = "ashrae";
  return JsonText(doc, 2);
}

std::string ShortestText(double value, const Numbers& numbers) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, error == std::errc() ? end : buffer);
  for (char& c : text) {
    if (c == '.') c = numbers.decimalSeparator();
  }
  return text;
}

}  // namespace vaporel
