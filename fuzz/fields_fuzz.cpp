// Any text typed, pasted or deleted into any field for any pair, through the headless user:
// after the entry filter every field is numeric or empty, a paste of valid UTF-8 costs one
// beep per character removed, nothing throws, and every action returns.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "support/recording_platform.hpp"
#include "window/driver/user_driver.hpp"
#include "window/main_window_logic.hpp"

namespace {

const char* const kFields[] = {"Text2", "Text3", "Text4"};

bool ValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    }
    i += n;
  }
  return true;
}

// The characters (code points) of valid UTF-8, one string each.
std::vector<std::string> CodePoints(std::string_view s) {
  std::vector<std::string> points;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t j = i + 1;
    while (j < s.size() && (static_cast<unsigned char>(s[j]) >> 6) == 2) ++j;
    points.emplace_back(s.substr(i, j - i));
    i = j;
  }
  return points;
}

// The beeps a paste should cost: characters dropped from the end of the text (first cut to
// the field's length) until what is left is a number or nothing.
long ExpectedBeeps(std::string_view text, const vaporel::Numbers& numbers) {
  std::vector<std::string> points = CodePoints(text);
  if (points.size() > vaporel::kFieldMaxLength) points.resize(vaporel::kFieldMaxLength);
  const auto joined = [&points] {
    std::string s;
    for (const std::string& p : points) s += p;
    return s;
  };
  long beeps = 0;
  while (!points.empty() && !numbers.isNumeric(joined())) {
    points.pop_back();
    ++beeps;
  }
  return beeps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vaporel;
  if (size < 2) return 0;
  MainWindowModel model;
  testing::RecordingPlatform platform;
  const Numbers numbers(data[0] & 1 ? ',' : '.');
  MainWindowLogic logic(model, platform, numbers);
  logic.load();
  UserDriver user(logic);
  user.pick(data[1] % 6 - 1);
  for (std::size_t at = 2; at + 2 <= size;) {
    const std::uint8_t op = data[at], length = data[at + 1];
    at += 2;
    const std::string text(reinterpret_cast<const char*>(data + at), std::min<std::size_t>(length, size - at));
    at += text.size();
    const char* field = kFields[(op >> 3) % 3];
    switch (op & 7) {
      case 0: user.type(field, text); break;
      case 1: {
        const bool focused = model.focus == field;
        const std::string before = model[field].text;
        const long beeps = platform.beeps();
        if (user.paste(field, text) && focused && ValidUtf8(before + text) &&
            platform.beeps() - beeps != ExpectedBeeps(before + text, numbers)) {
          std::abort();
        }
        break;
      }
      case 2: user.clear(field); break;
      case 3: user.tab(); break;
      case 4: user.shiftTab(); break;
      case 5: user.clickOn("Command1"); break;
      case 6: user.clickOn("Command2"); break;
      default: user.pick(op % 6 - 1); break;
    }
    for (const char* f : kFields) {
      const std::string& now = model[f].text;
      if (!now.empty() && !numbers.isNumeric(now)) std::abort();
    }
  }
  return 0;
}
