#include "batch/batch.hpp"

#include <charconv>

#include "calculation/check_sequence.hpp"
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

BatchResult CalculateFromNamedPair(std::pair<Property, Property> pair, std::string_view p, std::string_view first,
                                   std::string_view second, const Numbers& numbers) {
  const auto [a, b] = pair;
  if (const InputPair window = WindowPair(a, b); window != InputPair::None) {
    return CalculateFromTexts(window, p, first, second, numbers);
  }
  if (const InputPair window = WindowPair(b, a); window != InputPair::None) {
    return CalculateFromTexts(window, p, second, first, numbers);
  }
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
  return ResultOf(ResolveAnyPair(*pValue, {a, *firstValue}, {b, *secondValue}));
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
