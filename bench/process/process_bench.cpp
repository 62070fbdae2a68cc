// A project of 1 000 processes read and solved, and printed as tables and as JSON: target
// under 50 ms for the whole; the same for a design project of 1 000 processes that start from
// rooms' loads, recover heat and take figures from other states (about 55 ms, 35 of it reading,
// most of them the TOML parser's: it tries each bare key as a quoted string first and formats
// the error it discards). Reading is linear in the file: 8 000 processes cost
// eight times 1 000 (positions are taken from the parser's regions, names kept in hashed sets).
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "batch/project_mode.hpp"
#include "project/project_reader.hpp"
#include "project/solve_project.hpp"

namespace vaporel {
namespace {

// A long air-handling chain: each round mixes in room air, cools on a coil, reheats and
// humidifies, 250 rounds of four processes, per kg of dry air (an air flow at one state would
// ask the shared room air for a different flow in each round).
std::string LongProject(int rounds = 250) {
  std::string text = "pressure = 1.01325\n[states.s0]\ntdb = 30.0\nRH = 40.0\n[states.room]\ntdb = 24.0\nRH = 50.0\n";
  int n = 0;
  const auto next = [&n] { return "s" + std::to_string(n + 1); };
  for (int round = 0; round < rounds; ++round) {
    const std::string from = "s" + std::to_string(n);
    text += "[[processes]]\nmix = [\"" + from + "\", \"room\"]\nfractions = [0.5, 0.5]\ninto = \"" + next() + "\"\n";
    ++n;
    text +=
        "[[processes]]\ncoil = \"s" + std::to_string(n) + "\"\nadp = 8.0\nbypass = 0.15\ninto = \"" + next() + "\"\n";
    ++n;
    text += "[[processes]]\nheat = \"s" + std::to_string(n) + "\"\ntdb = 22.0\ninto = \"" + next() + "\"\n";
    ++n;
    text += "[[processes]]\nhumidify = \"s" + std::to_string(n) + "\"\nmethod = \"steam\"\nRH = 45.0\ninto = \"" +
            next() + "\"\n";
    ++n;
  }
  return text;
}

// Rounds of five: the supply air for a room's loads, heat recovery from the room's air, a mix
// by fractions, a coil to the supply's moisture and a reheat that closes on the supply.
std::string DesignProject(int rounds = 200) {
  std::string text = "pressure = 1.01325\n[states.out]\ntdb = 32.0\nRH = 40.0\n[states.room]\ntdb = 24.0\nRH = 50.0\n";
  constexpr std::string_view kRound = R"([[processes]]
space = "room"
sensible = 18.0
latent = 4.5
supply_tdb = 14.0
into = "supply#"
[[processes]]
recover = ["out", "room"]
sensible_effectiveness = 0.7
latent_effectiveness = 0.4
into = ["t#", "e#"]
[[processes]]
mix = ["t#", "room"]
fractions = [0.3, 0.7]
into = "m#"
[[processes]]
coil = "m#"
x = "supply#.x"
RH = 95.0
into = "c#"
[[processes]]
heat = "c#"
into = "supply#"
)";
  for (int round = 0; round < rounds; ++round) {
    for (const char c : kRound) {
      if (c == '#') {
        text += std::to_string(round);
      } else {
        text += c;
      }
    }
  }
  return text;
}

void ReadSolveAndPrintDesign(benchmark::State& state) {
  const std::string text = DesignProject();
  const Numbers numbers('.');
  for (auto _ : state) {
    const auto solved = SolveProject(std::get<Project>(ReadProject(text, "design.toml")), "design.toml");
    if (!std::holds_alternative<SolvedProject>(solved)) {
      state.SkipWithError(std::get<ProjectError>(solved).message().c_str());
      break;
    }
    const SolvedProject& project = std::get<SolvedProject>(solved);
    benchmark::DoNotOptimize(ProjectTables(project, numbers, UnitSystem::SI));
    benchmark::DoNotOptimize(ProjectJson(project, UnitSystem::SI, false));
  }
}
BENCHMARK(ReadSolveAndPrintDesign)->Unit(benchmark::kMillisecond);
void ReadAndSolve(benchmark::State& state) {
  const std::string text = LongProject(static_cast<int>(state.range(0)) / 4);
  for (auto _ : state) {
    const auto read = ReadProject(text, "long.toml");
    const auto solved = SolveProject(std::get<Project>(read), "long.toml");
    if (!std::holds_alternative<SolvedProject>(solved))
      state.SkipWithError(std::get<ProjectError>(solved).message().c_str());
    benchmark::DoNotOptimize(solved);
  }
  state.counters["processes"] = static_cast<double>(state.range(0));
}
BENCHMARK(ReadAndSolve)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond);

void ReadSolveAndPrint(benchmark::State& state) {
  const std::string text = LongProject();
  const Numbers numbers('.');
  for (auto _ : state) {
    const auto solved = SolveProject(std::get<Project>(ReadProject(text, "long.toml")), "long.toml");
    const SolvedProject& project = std::get<SolvedProject>(solved);
    benchmark::DoNotOptimize(ProjectTables(project, numbers, UnitSystem::SI));
    benchmark::DoNotOptimize(ProjectJson(project, UnitSystem::SI, false));
  }
}
BENCHMARK(ReadSolveAndPrint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaporel

BENCHMARK_MAIN();
