#include "project/source_text.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "files/byte_order_mark.hpp"

namespace vaporel {
namespace {

// Arrays and tables a project needs: a list of names in a table in an array of tables.
constexpr int kDeepestNesting = 32;
// The widest binary number the parser sums without overflow (its last place value is 2^digits).
constexpr int kWidestBinary = 62;

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the UTF-8 sequence at text[i], or 0 when it is not one (overlong forms,
// surrogates and code points beyond U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if (!Continuation(byte(i + k))) return 0;
    code = (code << 6) | (byte(i + k) & 0x3Fu);
  }
  const std::uint32_t smallest = length == 3 ? 0x800 : 0x10000;
  if (length > 2 && code < smallest) return 0;
  if (code >= 0xD800 && code <= 0xDFFF) return 0;
  if (code > 0x10FFFF) return 0;
  return length;
}

// Outside strings and comments: the depth of brackets and braces, and binary numbers wider
// than a 64-bit integer (whose digits the parser would sum into a signed overflow).
class TomlScan {
 public:
  explicit TomlScan(std::string_view text) : text_(text) {}

  std::optional<TextProblem> problem() {
    int depth = 0;
    while (i_ < text_.size()) {
      const char c = text_[i_];
      if (c == '#') {
        skipTo('\n');
      } else if (c == '"' || c == '\'') {
        skipString(c);
      } else if (c == '[' || c == '{') {
        if (++depth > kDeepestNesting) {
          return TextProblem{i_, "arrays and tables nest deeper than " + std::to_string(kDeepestNesting) + " levels"};
        }
        ++i_;
      } else if (c == '0' && text_.substr(i_, 2) == "0b" && (i_ == 0 || !IsBareKeyCharacter(text_[i_ - 1]))) {
        if (auto wide = binaryNumber()) return wide;
      } else {
        if ((c == ']' || c == '}') && depth > 0) --depth;
        ++i_;
      }
    }
    return std::nullopt;
  }

 private:
  // The binary number at i_, skipped; a problem when it is wider than the parser sums safely.
  std::optional<TextProblem> binaryNumber() {
    const std::size_t start = i_;
    int digits = 0;
    for (i_ += 2; i_ < text_.size() && (text_[i_] == '0' || text_[i_] == '1' || text_[i_] == '_'); ++i_) {
      digits += text_[i_] != '_' ? 1 : 0;
    }
    if (digits > kWidestBinary) return TextProblem{start, "a binary number wider than 62 digits"};
    return std::nullopt;
  }

  void skipTo(char end) {
    while (i_ < text_.size() && text_[i_] != end) ++i_;
  }
  void skipString(char quote) {
    const std::string triple(3, quote);
    const bool multiLine = text_.substr(i_, 3) == triple;
    i_ += multiLine ? 3 : 1;
    while (i_ < text_.size()) {
      const char c = text_[i_];
      if (c == '\\' && quote == '"') {
        i_ += 2;
      } else if (multiLine ? text_.substr(i_, 3) == triple : c == quote) {
        i_ += multiLine ? 3 : 1;
        return;
      } else if (c == '\n' && !multiLine) {
        return;
      } else {
        ++i_;
      }
    }
  }

  std::string_view text_;
  std::size_t i_ = 0;
};

}  // namespace

SourceText::SourceText(std::string_view text) : text_(text) {
  starts_.push_back(0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') starts_.push_back(i + 1);
  }
}

FilePosition SourceText::position(std::size_t offset) const {
  offset = std::min(offset, text_.size());
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
  const std::size_t line = static_cast<std::size_t>(after - starts_.begin());
  std::size_t start = starts_[line - 1];
  if (start == 0 && text_.starts_with(kByteOrderMark) && offset >= kByteOrderMark.size()) start = kByteOrderMark.size();
  int column = 1;
  for (std::size_t i = start; i < offset; ++i) column += Continuation(static_cast<unsigned char>(text_[i])) ? 0 : 1;
  return {static_cast<int>(line), column};
}

std::size_t SourceText::offset(std::size_t line, std::size_t byteColumn) const {
  if (line == 0 || line > starts_.size()) return text_.size();
  return std::min(text_.size(), starts_[line - 1] + (byteColumn > 0 ? byteColumn - 1 : 0));
}

std::size_t SourceText::lineStart(std::size_t offset) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), std::min(offset, text_.size()));
  return *(after - 1);
}

std::size_t SourceText::lineEnd(std::size_t offset) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), std::min(offset, text_.size()));
  return after == starts_.end() ? text_.size() : *after;
}

std::optional<TextProblem> UnreadableText(std::string_view text) {
  for (std::size_t i = text.size() - WithoutByteOrderMark(text).size(); i < text.size();) {
    const std::size_t length = SequenceLength(text, i);
    if (length == 0) {
      char cause[48];
      std::snprintf(cause, sizeof cause, "the file is not UTF-8 text (byte 0x%02X)",
                    static_cast<unsigned>(static_cast<unsigned char>(text[i])));
      return TextProblem{i, cause};
    }
    i += length;
  }
  return TomlScan(text).problem();
}

}  // namespace vaporel
