#include "batch/json_output.hpp"

#include <algorithm>
#include <cmath>

#include "calculation/result_texts.hpp"

namespace vaporel {

Json JsonNumber(double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); }

Json JsonDocument(UnitSystem units, const std::vector<std::pair<std::string_view, Quantity>>& keys) {
  Json doc;
  doc["units"] = UnitSystemName(units);
  Json& unit = doc["unit"] = Json::object();
  for (const auto& [key, quantity] : keys) {
    if (!unit.contains(key)) unit[std::string(key)] = UnitName(quantity, units);
  }
  return doc;
}

std::string JsonText(const Json& doc, int indent) {
  return doc.dump(indent, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::vector<std::pair<std::string_view, Quantity>> ResultKeys() {
  std::vector<std::pair<std::string_view, Quantity>> keys;
  keys.reserve(kResultFields.size());
  for (const ResultField& field : kResultFields) keys.emplace_back(field.symbol, field.quantity);
  return keys;
}

}  // namespace vaporel
