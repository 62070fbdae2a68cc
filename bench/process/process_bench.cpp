// A project of 1 000 processes read and solved, and printed as tables and as JSON: target
// under 50 ms for the whole. Reading is linear in the file: 8 000 processes cost eight times
// 1 000 (positions are taken from the parser's regions, names kept in hashed sets).
#include <benchmark/benchmark.h>

#include <string>

#include "batch/project_mode.hpp"
#include "project/project_reader.hpp"
#include "project/solve_project.hpp"

namespace vaporel {
namespace {

// A long air-handling chain: each round mixes in room air, cools on a coil, reheats and
// humidifies, 250 rounds of four processes, with the air flow at the first state.
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
  return text + "[airflow]\nstate = \"s0\"\nmass = 2.0\n";
}

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
