#include "calculation/check_sequence.hpp"

#include <array>

#include "calculation/boundary_values.hpp"
#include "calculation/messages.hpp"

namespace vaporel {
namespace {

constexpr std::array<InputField, 3> kFieldsInOrder = {InputField::Pressure, InputField::First, InputField::Second};

std::string_view TextOf(const FieldTexts& texts, InputField field) {
  switch (field) {
    case InputField::Pressure: return texts.pressure;
    case InputField::First: return texts.first;
    case InputField::Second: return texts.second;
  }
  return {};
}

Refusal Refused(std::string message, std::optional<InputField> field = std::nullopt) {
  return Refusal{std::move(message), {}, field};
}

}  // namespace

std::string_view SecondLimitPattern(SecondLimit row) {
  switch (row) {
    case SecondLimit::MinWetBulb: return kTwbminPattern;
    case SecondLimit::MinEnthalpy: return kEnthalpyPattern;
    case SecondLimit::MaxAbsHumidity: return kXmaxPattern;
    case SecondLimit::None: break;
  }
  return {};
}

PressureStep CheckPressureStep(InputPair pair, double p, const Numbers& numbers) {
  const PressureVerdict verdict = CheckPressure(pair, p);
  if (verdict.refusal) return {verdict.refusal, {}};
  return {std::nullopt, numbers.format(verdict.tdbmax, kTdbmaxPattern)};
}

FirstInputStep CheckFirstInputStep(InputPair pair, double value, std::string_view pressureText,
                                   std::string_view tdbmaxText, const Numbers& numbers) {
  FirstInputStep step;
  step.verdict = CheckFirstInput(pair, value, {numbers.parse(pressureText), numbers.parse(tdbmaxText)});
  if (step.verdict.refusal) return step;
  if (step.verdict.secondLimit != SecondLimit::None) {
    step.secondLimitText = numbers.format(step.verdict.secondLimitValue, SecondLimitPattern(step.verdict.secondLimit));
  }
  if (step.verdict.showsHmax) step.hmaxText = numbers.format(step.verdict.hmax, kEnthalpyPattern);
  return step;
}

SecondInputStep CheckSecondInputStep(InputPair pair, double value, std::string_view pressureText,
                                     std::string_view firstText, std::string_view tdbmaxText,
                                     std::string_view secondLimitText, const Numbers& numbers) {
  const SecondInputContext context{numbers.parse(pressureText), numbers.parse(firstText), numbers.parse(tdbmaxText),
                                   numbers.parse(secondLimitText)};
  const SecondInputVerdict verdict = CheckSecondInput(pair, value, context);
  SecondInputStep step{verdict.refusal, std::nullopt};
  if (verdict.pair4Panel) {
    step.enthalpyLimitTexts.emplace(numbers.format(verdict.pair4Panel->hmin, kEnthalpyPattern),
                                    numbers.format(verdict.pair4Panel->hmax, kEnthalpyPattern));
  }
  return step;
}

std::optional<Resolution> CalculateFromFields(InputPair pair, const FieldTexts& texts, const Numbers& numbers) {
  // Only an exactly empty text counts as missing; the first one is reported.
  for (InputField field : kFieldsInOrder) {
    if (TextOf(texts, field).empty()) return Refusal{kAllFieldsRequireData, {}, field};
  }
  if (pair == InputPair::None) return std::nullopt;  // nothing to resolve, nothing to show
  std::array<double, 3> values{};
  for (std::size_t i = 0; i < kFieldsInOrder.size(); ++i) {
    const std::optional<double> value = numbers.parse(TextOf(texts, kFieldsInOrder[i]));
    // The entry filter keeps every field numeric; a text set around it is refused, not guessed at.
    if (!value) return Refusal{kNumbersOnly, {}, kFieldsInOrder[i]};
    values[i] = *value;
  }
  return ResolveState(pair, values[0], values[1], values[2]);
}

Resolution CheckAndCalculate(InputPair pair, const FieldTexts& texts, const Numbers& numbers) {
  // The panel as the checks leave it: its limits only as its labels hold them.
  std::string tdbmaxText;
  std::string secondLimitText;
  if (!texts.pressure.empty()) {
    const std::optional<double> p = numbers.parse(texts.pressure);
    if (!p) return Refused(kNumbersOnly, InputField::Pressure);
    PressureStep step = CheckPressureStep(pair, *p, numbers);
    if (step.refusal) return Refused(*step.refusal, InputField::Pressure);
    tdbmaxText = std::move(step.tdbmaxText);
  }
  if (!texts.first.empty()) {
    const std::optional<double> first = numbers.parse(texts.first);
    if (!first) return Refused(kNumbersOnly, InputField::First);
    FirstInputStep step = CheckFirstInputStep(pair, *first, texts.pressure, tdbmaxText, numbers);
    if (step.verdict.refusal) return Refused(*step.verdict.refusal, InputField::First);
    secondLimitText = std::move(step.secondLimitText);
  }
  if (!texts.second.empty()) {
    const std::optional<double> second = numbers.parse(texts.second);
    if (!second) return Refused(kNumbersOnly, InputField::Second);
    const SecondInputStep step =
        CheckSecondInputStep(pair, *second, texts.pressure, texts.first, tdbmaxText, secondLimitText, numbers);
    if (step.refusal) return Refused(*step.refusal, InputField::Second);
  }
  std::optional<Resolution> resolution = CalculateFromFields(pair, texts, numbers);
  if (!resolution) return Refused(kSelectAPair);
  if (auto* refusal = std::get_if<Refusal>(&*resolution)) return Refused(refusal->message);
  return *resolution;
}

}  // namespace vaporel
