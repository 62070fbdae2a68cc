#pragma once
// How many columns a UTF-8 text takes in a terminal: one a character, two for the wide ones of
// East Asian scripts, none for combining marks.

#include <cstddef>
#include <string_view>

namespace vaporel {

std::size_t DisplayWidth(std::string_view text);

}  // namespace vaporel
