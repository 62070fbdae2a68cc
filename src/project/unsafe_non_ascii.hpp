#pragma once
// toml++ 3.3 reaches an "unreachable" branch (undefined behaviour) when it asks whether a
// character from U+00A1 to U+0499, U+2C5E to U+3057 or U+FB26 to U+FEFE is whitespace (but
// for U+3000), which it may ask of any character it reads outside a comment or a one-line
// string, and of characters in multi-line strings. The project reader refuses these
// characters anywhere in the file before toml++ sees it; other non-ASCII text passes.

#include <cstdint>
#include <optional>
#include <string_view>

#include "project/project.hpp"

namespace vaporel {

struct UnsafeCharacter {
  FilePosition at;
  std::uint32_t codePoint = 0;
};

// The first such character, decoded as the parser decodes UTF-8 (overlong forms too).
std::optional<UnsafeCharacter> FirstUnsafeCharacter(std::string_view text);

}  // namespace vaporel
