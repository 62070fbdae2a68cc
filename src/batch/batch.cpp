#include "batch/batch.hpp"

#include <charconv>

#include "calculation/check_sequence.hpp"
#include "calculation/result_texts.hpp"
#include "calculation/thermophysical.hpp"

namespace vaporel {

BatchResult CalculateFromTexts(InputPair pair, std::string_view pText, std::string_view firstText,
                               std::string_view secondText, const Numbers& numbers) {
  BatchResult result;
  const Resolution resolution = CheckAndCalculate(pair, {pText, firstText, secondText}, numbers);
  if (const auto* refusal = std::get_if<Refusal>(&resolution)) {
    result.refusal = refusal->message;
    return result;
  }
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
