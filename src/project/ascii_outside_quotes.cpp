#include "project/ascii_outside_quotes.hpp"

namespace vaporel {
namespace {

// Walks the text as TOML does: outside quotes, in a comment, in a one-line or a multi-line
// string (basic or literal).
class Lexer {
 public:
  // A byte-order mark, which some editors write first, is the parser's to skip.
  explicit Lexer(std::string_view text) : text_(text), i_(text.starts_with("\xEF\xBB\xBF") ? 3 : 0) {}

  std::optional<FilePosition> firstNonAsciiOutsideQuotes() {
    while (i_ < text_.size()) {
      const char c = text_[i_];
      if (inside_ == Inside::Nothing && static_cast<unsigned char>(c) >= 0x80) return at_;
      step(c);
    }
    return std::nullopt;
  }

 private:
  enum class Inside { Nothing, Comment, Basic, Literal, MultiBasic, MultiLiteral };

  bool ahead(std::string_view s) const { return text_.substr(i_, s.size()) == s; }
  void advance(std::size_t n) {
    for (std::size_t k = 0; k < n && i_ < text_.size(); ++k, ++i_) {
      const auto byte = static_cast<unsigned char>(text_[i_]);
      if (byte == '\n') {
        ++at_.line;
        at_.column = 1;
      } else if ((byte & 0xC0U) != 0x80U) {
        ++at_.column;
      }
    }
  }
  // Past a closing triple quote, and the up to two quotes of the content it may end with.
  void close(char quote) {
    advance(3);
    for (int extra = 0; extra < 2 && i_ < text_.size() && text_[i_] == quote; ++extra) advance(1);
    inside_ = Inside::Nothing;
  }

  void step(char c) {
    switch (inside_) {
      case Inside::Nothing: return stepOutside(c);
      case Inside::Comment:
      case Inside::Basic:
      case Inside::Literal: return stepInLine(c);
      case Inside::MultiBasic:
      case Inside::MultiLiteral: return stepInMultiLine(c);
    }
  }

  void stepOutside(char c) {
    if (c == '#') inside_ = Inside::Comment;
    if (c == '"') inside_ = ahead(R"(""")") ? Inside::MultiBasic : Inside::Basic;
    if (c == '\'') inside_ = ahead("'''") ? Inside::MultiLiteral : Inside::Literal;
    advance(inside_ == Inside::MultiBasic || inside_ == Inside::MultiLiteral ? 3 : 1);
  }

  // A comment or a one-line string ends at its line's end or its closing quote.
  void stepInLine(char c) {
    const bool escape = inside_ == Inside::Basic && c == '\\';
    const bool closes = (inside_ == Inside::Basic && c == '"') || (inside_ == Inside::Literal && c == '\'');
    if (c == '\n' || closes) inside_ = Inside::Nothing;
    advance(escape ? 2 : 1);
  }

  void stepInMultiLine(char c) {
    const bool basic = inside_ == Inside::MultiBasic;
    if (ahead(basic ? R"(""")" : "'''")) return close(basic ? '"' : '\'');
    advance(basic && c == '\\' ? 2 : 1);
  }

  std::string_view text_;
  std::size_t i_;
  FilePosition at_{1, 1};
  Inside inside_ = Inside::Nothing;
};

}  // namespace

std::optional<FilePosition> FirstNonAsciiOutsideQuotes(std::string_view text) {
  return Lexer(text).firstNonAsciiOutsideQuotes();
}

}  // namespace vaporel
