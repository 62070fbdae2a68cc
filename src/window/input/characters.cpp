#include "window/input/characters.hpp"

namespace vaporel {
namespace {

// A byte that continues a multi-byte character (10xxxxxx).
bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Length of the character starting at `start`: its lead byte and the continuation bytes
// after it, at most four bytes, so that malformed text still advances.
std::size_t CharacterLength(std::string_view text, std::size_t start) {
  std::size_t length = 1;
  while (length < 4 && start + length < text.size() && IsContinuation(text[start + length])) ++length;
  return length;
}

}  // namespace

std::string_view WithoutLastCharacter(std::string_view text) {
  if (text.empty()) return text;
  std::size_t cut = text.size() - 1;
  // Step back over at most three continuation bytes to the lead byte.
  for (int i = 0; i < 3 && cut > 0 && IsContinuation(text[cut]); ++i) --cut;
  return text.substr(0, cut);
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) end += CharacterLength(text, end);
  return text.substr(0, end);
}

std::vector<std::string> SplitCharacters(std::string_view text) {
  std::vector<std::string> characters;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t length = CharacterLength(text, start);
    characters.emplace_back(text.substr(start, length));
    start += length;
  }
  return characters;
}

}  // namespace vaporel
