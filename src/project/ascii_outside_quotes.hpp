#pragma once
// Where TOML allows only ASCII: outside quotes and comments. The project reader refuses any
// other character there before toml++ sees the text, since toml++ 3.3 reaches an
// "unreachable" branch (undefined behaviour) when it asks whether some non-ASCII characters
// (U+00A1 to U+0499, U+FB26 to U+FEFE) are whitespace, as it does there.

#include <optional>
#include <string_view>

#include "project/project.hpp"

namespace vaporel {

// The line and column of the first byte at 0x80 or above outside quotes and comments; a
// leading byte-order mark is left to the parser.
std::optional<FilePosition> FirstNonAsciiOutsideQuotes(std::string_view text);

}  // namespace vaporel
