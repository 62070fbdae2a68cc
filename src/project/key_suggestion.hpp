#pragma once
// The known key a user most likely meant by an unknown one: the same but for case, else the
// nearest by edit distance (two edits at most).

#include <optional>
#include <span>
#include <string_view>

namespace vaporel {

std::optional<std::string_view> NearestKey(std::string_view typed, std::span<const std::string_view> known);

}  // namespace vaporel
