#include "workbook/cell_ref.hpp"

namespace vaporel::xls {

std::optional<CellRef> ParseCellRef(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && s[i] == '$') ++i;
  unsigned col = 0;
  int letters = 0;
  for (; i < s.size() && letters < 3; ++i, ++letters) {
    char c = s[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    col = col * 26 + static_cast<unsigned>(c - 'A' + 1);
  }
  if (letters == 0 || col > 256) return std::nullopt;
  if (i < s.size() && s[i] == '$') ++i;
  unsigned row = 0;
  int digits = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && digits < 6; ++i, ++digits) {
    row = row * 10 + static_cast<unsigned>(s[i] - '0');
  }
  if (digits == 0 || i != s.size() || row < 1 || row > 65536) return std::nullopt;
  return CellRef{static_cast<std::uint16_t>(row - 1), static_cast<std::uint16_t>(col - 1)};
}

std::string CellRefText(CellRef ref) {
  std::string letters;
  unsigned c = ref.col + 1u;
  while (c > 0) {
    letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    c = (c - 1) / 26;
  }
  return letters + std::to_string(ref.row + 1u);
}

}  // namespace vaporel::xls
