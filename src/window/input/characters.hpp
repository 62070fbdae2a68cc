#pragma once
// Field texts are UTF-8; the user types, pastes and deletes whole characters, so the
// entry filter and the length cap count characters, not bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vaporel {

// The text without its last character ("" stays "").
std::string_view WithoutLastCharacter(std::string_view text);
// At most `count` characters from the start of the text.
std::string_view FirstCharacters(std::string_view text, std::size_t count);
// The characters of the text, one string each, as keys typed one after the other.
std::vector<std::string> SplitCharacters(std::string_view text);

}  // namespace vaporel
