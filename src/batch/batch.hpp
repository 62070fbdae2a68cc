#pragma once
// One state the way the window resolves it: the three field checks in the order a user
// fills the fields, each limit read back at the precision the panel shows it, then the
// Calculate command and the thermophysical properties.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculation/air_state.hpp"
#include "calculation/any_pair.hpp"
#include "calculation/input_pair.hpp"
#include "numbers/numbers.hpp"
#include "properties/formulation.hpp"
#include "units/units.hpp"

namespace vaporel {

struct BatchResult {
  std::optional<std::string> refusal;  // the message box the window would show
  AirState state;
  ThermoProps props;
  // Typed in IP: the pressure and the two values as typed, which come back as typed.
  std::optional<double> typedPressure;
  std::vector<Given> typed;
  // Resolved in the ASHRAE Handbook's equations rather than the program's own: every output
  // says so.
  bool ashrae = false;
};

// pair 1 to 5; the three texts as they would be typed into Text2, Text3 and Text4. The entry
// filter's rewrites (negative to 0, clamps) are not applied: a value is checked as given.
BatchResult CalculateFromTexts(InputPair pair, std::string_view p, std::string_view first, std::string_view second,
                               const Numbers& numbers);

// A pair named by two symbols of tdb, twb, tdp, x, h and RH joined by '+' ("tdb+tdp"), in the
// order named; nullopt for any other text.
std::optional<std::pair<Property, Property>> PairNamed(std::string_view text);

// The state for a pair named by its symbols, FIRST and SECOND following the names: a pair of
// the window through the window's checks (its values put in the window's order), any other
// through ResolveAnyPair.
BatchResult CalculateFromNamedPair(std::pair<Property, Property> pair, std::string_view p, std::string_view first,
                                   std::string_view second, const Numbers& numbers);

// PAIR as 1 to 5 or as two symbols, with P, FIRST and SECOND typed in `units`: each number is
// converted to SI first, in shortest round-trip form, for the checks to read; a text that is
// no number is passed on unchanged, for them to refuse. nullopt for a PAIR of neither form.
// In the "ashrae" formulation the values are resolved in it, without the window's checks.
std::optional<BatchResult> CalculateFromRow(std::string_view pair, std::string_view p, std::string_view first,
                                            std::string_view second, const Numbers& numbers, UnitSystem units,
                                            const Formulation& formulation = DesignFormulation());

// The thirteen values in `units` (those typed as typed).
std::array<double, 13> ResultFigures(const BatchResult& result, UnitSystem units);

// The thirteen values in `units` as the result labels show them, or in shortest round-trip form.
std::array<std::string, 13> DisplayTexts(const BatchResult& result, const Numbers& numbers,
                                         UnitSystem units = UnitSystem::SI);
std::array<std::string, 13> PreciseTexts(const BatchResult& result, const Numbers& numbers,
                                         UnitSystem units = UnitSystem::SI);

// One state as one JSON document: "units", "unit", and the thirteen values (those typed as typed).
std::string StateJson(const BatchResult& result, UnitSystem units);

// The shortest text that reads back as the value, in the numbers' decimal separator.
std::string ShortestText(double value, const Numbers& numbers);

}  // namespace vaporel
