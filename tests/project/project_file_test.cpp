// A project written back reads as the same project, and solves to the same figures; the air
// flow reaches every state through the processes, a mix splitting it by its fractions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "project/project_reader.hpp"
#include "project/project_writer.hpp"
#include "project/solve_project.hpp"

namespace vaporel {
namespace {

Project Read(const std::string& text, const std::string& name = "project.toml") {
  auto read = ReadProject(text, name);
  if (auto* error = std::get_if<ProjectError>(&read)) ADD_FAILURE() << error->message();
  return std::get<Project>(std::move(read));
}

SolvedProject Solve(const Project& project) {
  auto solved = SolveProject(project, "project.toml");
  if (auto* refusal = std::get_if<ProjectError>(&solved)) ADD_FAILURE() << refusal->message();
  return std::get<SolvedProject>(std::move(solved));
}

TEST(ProjectFile, WrittenBackReadsAsTheSameProject) {
  for (const auto& entry : std::filesystem::directory_iterator(VAPOREL_EXAMPLES)) {
    std::ostringstream text;
    text << std::ifstream(entry.path()).rdbuf();
    const Project original = Read(text.str());
    EXPECT_EQ(ProjectText(original), text.str()) << entry.path();
    const std::string written = NewProjectText(original);
    const Project again = Read(written);
    EXPECT_EQ(NewProjectText(again), written) << entry.path();
    const SolvedProject a = Solve(original), b = Solve(again);
    ASSERT_EQ(a.states.size(), b.states.size());
    for (std::size_t i = 0; i < a.states.size(); ++i) {
      EXPECT_EQ(a.states[i].name, b.states[i].name);
      EXPECT_EQ(a.states[i].state.h, b.states[i].state.h) << a.states[i].name;
    }
  }
  // Names that need escaping survive too.
  Project odd = Read("pressure = 1\n[states.\"a \\\"quoted\\\" \\\\ name\"]\ntdb = 20\nRH = 50\n");
  EXPECT_EQ(Read(NewProjectText(odd)).states.front().name, "a \"quoted\" \\ name");
}

// A state may be given by any two properties; the pairs that fix no state are malformed.
TEST(ProjectFile, StatesTakeAnyTwoProperties) {
  const Project project = Read("pressure = 1.01325\n[states.a]\nRH = 60.0\ntdp = 12.0\n");
  EXPECT_EQ(NewProjectText(Read(NewProjectText(project))), NewProjectText(project));
  const AirState a = Solve(project).states.front().state;
  EXPECT_EQ(a.tdp, 12);
  EXPECT_EQ(a.RH, 60);
  const auto fixesNone = ReadProject("pressure = 1.01325\n[states.b]\nh = 40.0\ntwb = 14.0\n", "p.toml");
  ASSERT_TRUE(std::holds_alternative<ProjectError>(fixesNone));
  EXPECT_EQ(std::get<ProjectError>(fixesNone).message(),
            "p.toml:2:1: state \"b\": twb and h fix no state (one follows from the other)");
}

// Any UTF-8 text in comments, names and strings is read exactly; text that is not UTF-8, and
// nesting no project needs, are refused where they stand; so is what the fuzzer found.
TEST(ProjectFile, AnyUtf8TextIsReadAndOtherBytesAreRefusedWhereTheyStand) {
  const Project project = Read(
      "\xEF\xBB\xBF# Au\u00dfenluft at 32 \u00b0C\npressure = 1.01325  # bar\n[states.\"Au\u00dfenluft\"]  # \u00b0C\n"
      "tdb = 32.0\nRH = 40.0\n[states.\"\u5ba4\u5185\"]\ntdb = 24\nRH = 50\n[[processes]]\n"
      "mix = [\"Au\u00dfenluft\", \"\u5ba4\u5185\"]\nfractions = [0.3, 0.7]\ninto = "
      "\"\u041f\u0440\u0438\u0442\u043e\u043a\"\n");
  const SolvedProject solved = Solve(project);
  ASSERT_EQ(solved.states.size(), 3u);
  EXPECT_EQ(solved.states[0].name, "Au\u00dfenluft");
  EXPECT_EQ(solved.states[1].name, "\u5ba4\u5185");
  EXPECT_EQ(solved.states[2].name, "\u041f\u0440\u0438\u0442\u043e\u043a");
  const auto message = [](const std::string& text) {
    const auto read = ReadProject(text, "p.toml");
    return std::holds_alternative<ProjectError>(read) ? std::get<ProjectError>(read).message() : "(read)";
  };
  // Columns count characters, not bytes.
  EXPECT_EQ(message("# \u00b0\u00b0\npressure = 1 # \u00b0 \xFF\n"),
            "p.toml:2:18: the file is not UTF-8 text (byte 0xFF)");
  EXPECT_EQ(message("pressure = 1\n[states.\"\xC0\xAF\"]\n"), "p.toml:2:10: the file is not UTF-8 text (byte 0xC0)");
  EXPECT_EQ(message("a = " + std::string(100000, '[')), "p.toml:1:37: arrays and tables nest deeper than 32 levels");
  EXPECT_EQ(message("pressure = 0b" + std::string(63, '1')), "p.toml:1:12: a binary number wider than 62 digits");
  EXPECT_EQ(message("pressure = 0b" + std::string(62, '0') + "\n"),
            "p.toml:1:12: \"pressure\" must lie in 0.1 to 10 bar");
  EXPECT_EQ(message("pressure = 1\n[states.Au\u00dfenluft]\n").substr(0, 43),
            "p.toml:2:1: an invalid key appeared (is not");
  for (const auto& entry : std::filesystem::directory_iterator(VAPOREL_DAMAGED)) {
    std::ostringstream text;
    text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    EXPECT_TRUE(std::holds_alternative<ProjectError>(ReadProject(text.str(), "damaged.toml"))) << entry.path();
  }
}

// Each mistake is said where it stands, with what was probably meant.
TEST(ProjectFile, MistakesAreSaidAtTheirKey) {
  const auto message = [](const std::string& text) {
    const auto read = ReadProject(text, "p.toml");
    return std::holds_alternative<ProjectError>(read) ? std::get<ProjectError>(read).message() : "(read)";
  };
  EXPECT_EQ(message("pressure = 1.01325\n[states.a]\ntdb = 20\n  rh = 50\n"),
            "p.toml:4:3: unknown key \"rh\" in state \"a\"; did you mean \"RH\"?");
  EXPECT_EQ(message("pressure = 1.01325\n[airflow]\nstate = \"a\"\nvolum = 3\n"),
            "p.toml:4:1: unknown key \"volum\" in the air flow; did you mean \"volume\"?");
  EXPECT_EQ(message("pressure = 1.01325\n[states.a]\ntdb = 20\nzz = 50\n"),
            "p.toml:4:1: unknown key \"zz\" in state \"a\"");
  EXPECT_EQ(message("# site\npressure = 101.325\n[states.a]\ntdb = 20\nRH = 50\n"),
            "p.toml:2:12: \"pressure\" must lie in 0.1 to 10 bar; the pressure is in bar (101.325 kPa = 1.01325 bar)");
  EXPECT_EQ(message("pressure = 1\npressure = 2\n"),
            "p.toml:2:12: value (\"pressure\") already exists (value defined twice)");
}

TEST(ProjectFile, TheAirFlowReachesEveryStateThroughAMix) {
  const SolvedProject solved = Solve(Read(R"(pressure = 1.01325
[states.outdoor]
tdb = 32
RH = 40
[states.room]
tdb = 24
RH = 50
[[processes]]
mix = ["outdoor", "room"]
fractions = [0.25, 0.75]
into = "mixed"
[[processes]]
heat = "mixed"
power = 8.0
into = "warm"
[airflow]
state = "outdoor"
mass = 0.5
)"));
  // 0.5 kg/s of outdoor air is a quarter of the mix: 2 kg/s through the heater.
  ASSERT_EQ(solved.processes.size(), 2u);
  EXPECT_DOUBLE_EQ(*solved.processes[0].loads.massFlow, 2);
  EXPECT_DOUBLE_EQ(*solved.processes[1].loads.massFlow, 2);
  EXPECT_NEAR(solved.processes[1].loads.total, 8, 1e-9);
  EXPECT_NEAR(solved.states.back().state.h - solved.states[2].state.h, 4, 1e-9);
}

}  // namespace
}  // namespace vaporel

namespace vaporel {
namespace {

// An IP file is written back in its own units, a known zone by its name only, and solves to
// the SI project's states; each state knows the zones it lies in.
TEST(ProjectFile, IpFilesKeepTheirUnitsAndSolveAsSi) {
  const Project ip = Read(
      "units = \"ip\"\npressure = 14.696\n[states.room]\ntdb = 77.0\nRH = 50.0\n[zones.datacenter-recommended]\n"
      "[zones.cool]\ntdb_max = 70.0\n");
  const std::string written = NewProjectText(ip);
  EXPECT_NE(written.find("units = \"ip\"\npressure = 14.696\n"), std::string::npos) << written;
  EXPECT_NE(written.find("[zones.datacenter-recommended]\n\n[zones.cool]\ntdb_max = 70.0\n"), std::string::npos)
      << written;
  std::ostringstream bar;
  bar << std::setprecision(17) << 14.696 * 6894.757293168361 / 1e5;
  const SolvedProject si = Solve(Read("pressure = " + bar.str() + "\n[states.room]\ntdb = 25.0\nRH = 50.0\n"));
  const SolvedProject solved = Solve(ip);
  EXPECT_NEAR(solved.states[0].state.h, si.states[0].state.h, 1e-9);
  EXPECT_EQ(solved.states[0].zones, std::vector<std::string>{"datacenter-recommended"});
}

}  // namespace
}  // namespace vaporel
