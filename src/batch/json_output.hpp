#pragma once
// What every JSON document of vaporel-calc begins with: "units" ("si" or "ip") and "unit", the
// unit of each key that holds a number. A key never changes its unit.

#include <nlohmann/json.hpp>
#include <string_view>
#include <utility>
#include <vector>

#include "units/units.hpp"

namespace vaporel {

using Json = nlohmann::ordered_json;

// A finite number, or null (a sensible heat ratio without heat, a refused row's values).
Json JsonNumber(double value);

// {"units": ..., "unit": {key: unit, ...}}, the keys in the order given, each once.
Json JsonDocument(UnitSystem units, const std::vector<std::pair<std::string_view, Quantity>>& keys);

// The document as text: indented by `indent` (-1: one line); bytes that are not UTF-8 (a CSV
// row may hold any) written as U+FFFD.
std::string JsonText(const Json& doc, int indent);

// The thirteen result keys with their quantities (p, tdb, ... Pr).
std::vector<std::pair<std::string_view, Quantity>> ResultKeys();

}  // namespace vaporel
