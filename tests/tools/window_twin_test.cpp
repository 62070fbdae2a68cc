// The batch calculator and the window are twins: the same texts typed into the three fields
// in order and Calculate clicked give the window's first message, or its thirteen result
// labels, exactly where the batch calculator gives its refusal or its thirteen texts.
#include <gtest/gtest.h>

#include "batch/batch.hpp"
#include "support/window_fixture.hpp"

namespace vaporel {
namespace {

struct Entry {
  int pair;
  const char *p, *first, *second;
};

// Ordinary states, each limit met exactly and just missed, empty fields and a refused pressure.
constexpr Entry kEntries[] = {
    {1, "1.01325", "20", "50"},   {1, "1.01325", "89.9", "100"}, {1, "1.01325", "90", "10"},
    {1, "0.1", "41", "0"},        {1, "10", "", "20"},           {1, "0.09", "20", "50"},
    {2, "1.01325", "20", "13.7"}, {2, "1.01325", "20", "5.3"},   {2, "1.01325", "20", "5.2"},
    {2, "1.01325", "20", "21"},   {2, "3", "120", "60"},         {3, "1.01325", "20", "38.5"},
    {3, "1.01325", "20", "20.1"}, {3, "1.01325", "20", "58"},    {3, "1.01325", "20", "60"},
    {4, "1.01325", "0.01", "40"}, {4, "1.01325", "0.01", "14"},  {4, "1.01325", "0.01", "400"},
    {4, "1.01325", "0", "10"},    {5, "1.01325", "20", "0.007"}, {5, "1.01325", "20", "0.01473"},
    {5, "1.01325", "20", "0.02"}, {5, "", "20", "0.007"},        {5, "1.01325", "", ""},
};

class WindowTwin : public ::testing::TestWithParam<Entry> {};

TEST_P(WindowTwin, BatchGivesWhatTheWindowShows) {
  const Entry e = GetParam();
  testing::StartedWindow window('.');
  ASSERT_TRUE(window.user.pick(e.pair - 1));
  const char* texts[] = {e.p, e.first, e.second};
  const char* fields[] = {"Text2", "Text3", "Text4"};
  for (int i = 0; i < 3 && window.platform.messages.empty(); ++i) {
    ASSERT_TRUE(window.user.focus(fields[i]) || !window.platform.messages.empty());
    if (!window.platform.messages.empty()) break;
    ASSERT_TRUE(window.user.type(fields[i], texts[i]));
  }
  if (window.platform.messages.empty()) window.user.clickOn("Command1");

  const BatchResult batch =
      CalculateFromTexts(InputPairFromNumber(e.pair), e.p, e.first, e.second, window.logic.numbers());
  if (!window.platform.messages.empty()) {
    ASSERT_TRUE(batch.refusal.has_value()) << "the window refused: " << window.platform.messages.front().text;
    EXPECT_EQ(*batch.refusal, window.platform.messages.front().text);
    return;
  }
  ASSERT_FALSE(batch.refusal.has_value()) << *batch.refusal;
  const auto shown = DisplayTexts(batch, window.logic.numbers());
  for (int i = 0; i < 13; ++i)
    EXPECT_EQ(window.text("l" + std::to_string(7 + i)), shown[static_cast<std::size_t>(i)]) << "l" << 7 + i;
}

INSTANTIATE_TEST_SUITE_P(Entries, WindowTwin, ::testing::ValuesIn(kEntries));

}  // namespace
}  // namespace vaporel
