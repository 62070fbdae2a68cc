#pragma once
// A number as a weather file writes it in a field: the whole field, a leading '+' allowed,
// finite; none otherwise.

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace vaporel {

inline std::optional<double> FieldNumber(std::string_view text) {
  double value = 0;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace vaporel
