#include "project/key_suggestion.hpp"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <vector>

namespace vaporel {
namespace {

constexpr std::size_t kMostEdits = 2;
constexpr std::size_t kLongestKey = 64;  // longer text is no misspelt key

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EqualButForCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// Levenshtein's distance: insertions, deletions and substitutions, case ignored.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string_view> NearestKey(std::string_view typed, std::span<const std::string_view> known) {
  for (const std::string_view key : known) {
    if (EqualButForCase(typed, key)) return key;
  }
  if (typed.size() > kLongestKey) return std::nullopt;
  std::optional<std::string_view> nearest;
  std::size_t best = kMostEdits + 1;
  for (const std::string_view key : known) {
    const std::size_t distance = EditDistance(typed, key);
    if (distance < best && distance < std::max(typed.size(), key.size())) {
      best = distance;
      nearest = key;
    }
  }
  return nearest;
}

}  // namespace vaporel
