// A project read from a file and edited is written back with only what was edited changed:
// each kind of edit on every example and on a file with comments everywhere, the diff held to
// exactly the lines that edit concerns.
#include "project/project_writer.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "project/project_reader.hpp"

namespace vaporel {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A line diff by the longest common subsequence: the old lines gone (numbered from 1) and the
// new lines come.
struct Diff {
  std::vector<int> removed;
  std::vector<std::string> added;
};
Diff LineDiff(const std::string& before, const std::string& after) {
  const auto a = LinesOf(before), b = LinesOf(after);
  std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
  for (std::size_t i = a.size(); i-- > 0;) {
    for (std::size_t j = b.size(); j-- > 0;) {
      common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  Diff diff;
  std::size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      ++i, ++j;
    } else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j])) {
      diff.added.push_back(b[j++]);
    } else {
      diff.removed.push_back(static_cast<int>(++i));
    }
  }
  return diff;
}

Project Read(const std::string& text) {
  auto read = ReadProject(text, "p.toml");
  if (auto* error = std::get_if<ProjectError>(&read)) ADD_FAILURE() << error->message() << "\n" << text;
  return std::get<Project>(std::move(read));
}

// The lines (from 1) on which a text occurs.
std::vector<int> LinesWith(const std::string& text, const std::string& part) {
  std::vector<int> out;
  const auto lines = LinesOf(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(part) != std::string::npos) out.push_back(static_cast<int>(i + 1));
  }
  return out;
}

const char* const kCommented = R"(# The site: 250 m above the sea
altitude = 250   # m

# Air from outside
[states.outdoor]   # design day
  tdb = 30   # °C
  RH = 45.50  # %

[states."Zuluft-Süd"]
  tdb = 18.0
  x = 0.0080

# The heater
[[processes]]
  heat = "outdoor"   # not "Zuluft-Süd"
  tdb = 35.0
  into = "warm"  # trailing

[airflow]
  state = "outdoor"
  mass = 2.5
# the end
)";

void ExpectEveryEditTouchesOnlyItsLines(const std::string& text, const std::string& where) {
  const Project read = Read(text);
  ASSERT_FALSE(read.states.empty()) << where;
  EXPECT_EQ(ProjectText(read), text) << where << ": unedited, byte for byte";

  // A changed value: its line only, the rest of the line as it was.
  Project changed = read;
  changed.states.front().second.value += 1;
  const std::string changedText = ProjectText(changed);
  const Diff value = LineDiff(text, changedText);
  ASSERT_EQ(value.removed.size(), 1u) << where << "\n" << changedText;
  EXPECT_EQ(value.removed.front(),
            read.states.front().place.atKey(PropertyName(read.states.front().second.property)).line);
  EXPECT_EQ(value.added.size(), 1u) << where;
  EXPECT_EQ(Read(changedText).states.front().second.value, changed.states.front().second.value);

  // A rename: the definition and each reference.
  const std::string old = read.states.front().name;
  Project renamed = read;
  const std::string to = "Außenluft " + old;
  renamed.states.front().name = to;
  for (ProcessInput& p : renamed.processes) p.renameFrom(old, to);
  if (renamed.airflow && renamed.airflow->state == old) renamed.airflow->state = to;
  const std::string renamedText = ProjectText(renamed);
  std::vector<int> expected = LinesWith(text, "\"" + old + "\"");
  expected.push_back(read.states.front().place.at.line);
  std::sort(expected.begin(), expected.end());
  expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
  EXPECT_EQ(LineDiff(text, renamedText).removed, expected) << where << "\n" << renamedText;
  EXPECT_EQ(Read(renamedText).states.front().name, to);

  // A removal: the entry's lines (and the blank line before a table).
  Project removed = read;
  removed.processes.pop_back();
  if (removed.airflow && removed.airflow->state == read.processes.back().into) removed.airflow.reset();
  if (!read.processes.empty()) {
    const std::string removedText = ProjectText(removed);
    const Diff diff = LineDiff(text, removedText);
    EXPECT_TRUE(diff.added.empty()) << where;
    const EntryPlace& gone = read.processes.back().place;
    EXPECT_LE(diff.removed.front(), gone.at.line) << where;
    EXPECT_GE(diff.removed.front(), gone.at.line - 1) << where;
    EXPECT_TRUE(std::holds_alternative<Project>(ReadProject(removedText, "p.toml"))) << removedText;
  }

  // Additions: lines added, none of the file's changed.
  Project added = read;
  added.states.push_back({"new state", {Property::Tdb, 21.5}, {Property::RH, 40}, {}});
  ProcessInput heat{HeatFigures{"new state", 30.0, std::nullopt}, "heated", {}, {}};
  added.processes.push_back(heat);
  const std::string addedText = ProjectText(added);
  const Diff diff = LineDiff(text, addedText);
  EXPECT_TRUE(diff.removed.empty()) << where << "\n" << addedText;
  const Project back = Read(addedText);
  ASSERT_EQ(back.states.size(), read.states.size() + 1) << addedText;
  EXPECT_EQ(back.states.back().name, "new state");
  EXPECT_EQ(back.processes.back().into, "heated");
}

TEST(ProjectWriter, EachEditTouchesOnlyItsLines) {
  for (const auto& entry : std::filesystem::directory_iterator(VAPOREL_EXAMPLES)) {
    std::ostringstream text;
    text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    ExpectEveryEditTouchesOnlyItsLines(text.str(), entry.path().filename().string());
  }
  ExpectEveryEditTouchesOnlyItsLines(kCommented, "commented");
  std::ostringstream names;
  names << std::ifstream(VAPOREL_NAMES, std::ios::binary).rdbuf();
  ExpectEveryEditTouchesOnlyItsLines(names.str(), "names in four scripts");
  std::string crlf;
  for (const char c : std::string(kCommented)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ExpectEveryEditTouchesOnlyItsLines(crlf, "CRLF");
}

// New entries follow the file's style: its indentation, integers where it writes them, inline
// states where it has them; a project made by hand gets bare keys where TOML allows them.
TEST(ProjectWriter, NewTextFollowsTheFilesStyle) {
  Project commented = Read(kCommented);
  commented.states.front().first.value = 31;
  commented.states.push_back({"B", {Property::Tdb, 20}, {Property::X, 0.007}, {}});
  const std::string text = ProjectText(commented);
  EXPECT_NE(text.find("  tdb = 31   # °C\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[states.B]\n  tdb = 20.0\n  x = 0.007\n"), std::string::npos) << text;

  Project inlined = Read("pressure = 1.01325\n[states]\na = { tdb = 20, RH = 50 }  # room\n");
  inlined.states.front().name = "b c";
  inlined.states.push_back({"d", {Property::Tdb, 25}, {Property::RH, 40}, {}});
  EXPECT_EQ(ProjectText(inlined),
            "pressure = 1.01325\n[states]\n\"b c\" = { tdb = 20, RH = 50 }  # room\nd = { tdb = 25.0, RH = 40.0 }\n");

  Project byHand;
  byHand.pressure = 1.01325;
  byHand.states.push_back({"outdoor", {Property::Tdb, 30}, {Property::RH, 40}, {}});
  byHand.states.push_back({"Приток", {Property::Tdb, 20}, {Property::RH, 40}, {}});
  EXPECT_EQ(
      ProjectText(byHand),
      "pressure = 1.01325\n\n[states.outdoor]\ntdb = 30.0\nRH = 40.0\n\n[states.\"Приток\"]\ntdb = 20.0\nRH = 40.0\n");
}

}  // namespace
}  // namespace vaporel
