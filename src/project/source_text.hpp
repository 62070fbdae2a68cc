#pragma once
// A file's text as its lines: byte offsets turned into lines and columns (in characters, as a
// user counts them in an editor), and what a TOML parser is never handed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/project.hpp"

namespace vaporel {

class SourceText {
 public:
  explicit SourceText(std::string_view text);

  std::string_view text() const { return text_; }
  // Line from 1; column from 1 in UTF-8 characters (a byte-order mark is not one).
  FilePosition position(std::size_t offset) const;
  // The offset of a byte column (from 1) of a line (from 1), within the text.
  std::size_t offset(std::size_t line, std::size_t byteColumn) const;
  std::size_t lineStart(std::size_t offset) const;
  // Just past the line's end ('\n' included), or the text's end.
  std::size_t lineEnd(std::size_t offset) const;

 private:
  std::string_view text_;
  std::vector<std::size_t> starts_;
};

// A character of a bare TOML key: A-Z, a-z, 0-9, '_' and '-'.
inline bool IsBareKeyCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

// What the TOML parser is not given: text that is not UTF-8, arrays or tables nested deeper
// than a project ever needs (the parser recurses once a level), and binary numbers wider than
// 62 digits (the parser's sum of their digits would overflow).
struct TextProblem {
  std::size_t offset = 0;
  std::string cause;
};
std::optional<TextProblem> UnreadableText(std::string_view text);

}  // namespace vaporel
