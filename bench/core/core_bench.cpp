// What a resolution costs, against its floors: the SatPressure + Enthalpy evaluations that its
// wet-bulb iteration performed, run in a plain loop, and the full floor of every elementary
// function its formulas call. The correlations' arithmetic is the cost of a resolution;
// everything else should stay within 1.10x of the full floor. The states the iteration
// once could not finish must end well under 1 ms. Then the batch calculator's throughput.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch.hpp"
#include "batch/csv.hpp"
#include "calculation/boundary_values.hpp"
#include "calculation/resolve_state.hpp"
#include "calculation/thermophysical.hpp"
#include "calculation/wet_bulb_tolerance.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"
#include "properties/wet_bulb.hpp"

namespace vaporel {
namespace {

// A limit as the panel's label shows it and a field check reads it back.
double AtDisplayPrecision(const Numbers& numbers, double value, std::string_view pattern) {
  return numbers.parse(numbers.format(value, pattern)).value_or(value);
}

struct Input {
  int pair;
  double p, first, second;
};

// Residual evaluations the wet-bulb iteration made for this input (0 when there was none).
int EvaluationsOf(const Input& in) {
  const Resolution r = ResolveState(InputPairFromNumber(in.pair), in.p, in.first, in.second);
  const auto* s = std::get_if<AirState>(&r);
  if (!s || in.pair == 2 || ((in.pair == 1 || in.pair == 3) && s->RH == 100)) return 0;
  return SolveWetBulb(s->tdp, s->tdb, s->h, s->p, WetBulbTolerance(InputPairFromNumber(in.pair))).evaluations;
}

// One resolution as the Calculate command runs it: the state and its thermophysical properties.
void Resolve(const Input& in) {
  const Resolution r = ResolveState(InputPairFromNumber(in.pair), in.p, in.first, in.second);
  if (const auto* s = std::get_if<AirState>(&r)) {
    ThermoProps props = ThermophysicalProperties(*s);
    benchmark::DoNotOptimize(props);
  }
  benchmark::DoNotOptimize(r);
}

// The floor: n evaluations of SatPressure + Enthalpy at temperatures around t0 (the state's
// wet bulb, where the iteration evaluates), kept within a few hundredths of a kelvin of it.
// Each step of the iteration needs the residual of the one before; the floor's evaluations
// are chained the same way (h · 0 adds nothing but the wait), or the processor would
// overlap them and the floor would measure throughput instead of the iteration's latency.
void Floor(int n, double t0) {
  double h = 0;
  for (int i = 0; i < n; ++i) {
    const double t = t0 - (i % 32) * 1e-3 + h * 0.0;
    h = Enthalpy(t, SatPressure(t));
  }
  benchmark::DoNotOptimize(h);
}

// The full floor: every elementary function the formulas call for one resolution, in a
// plain chain: the wet-bulb evaluations (Floor), the saturation pressure at tdb, the dew point
// (when there is vapour) and the thermophysical fits.
struct FullFloorInputs {
  int evaluations = 1;
  double twb = 20;
  AirState state;
};

FullFloorInputs FullFloorOf(const Input& in);

void FullFloor(const FullFloorInputs& f) {
  Floor(f.evaluations, f.twb);
  double chain = SatPressure(f.state.tdb);
  if (f.state.x > 0) chain += DewPoint(f.state.pv + chain * 0.0);
  AirState s = f.state;
  s.tdb += chain * 0.0;
  ThermoProps props = ThermophysicalProperties(s);
  benchmark::DoNotOptimize(props);
}

// The wet bulb the resolution of this input ends with (where its floor evaluates).
double WetBulbOf(const Input& in) {
  const Resolution r = ResolveState(InputPairFromNumber(in.pair), in.p, in.first, in.second);
  const auto* s = std::get_if<AirState>(&r);
  return s ? s->twb : 20;
}

FullFloorInputs FullFloorOf(const Input& in) {
  FullFloorInputs f;
  const int n = EvaluationsOf(in);
  f.evaluations = n > 0 ? n : 1;
  f.twb = WetBulbOf(in);
  const Resolution r = ResolveState(InputPairFromNumber(in.pair), in.p, in.first, in.second);
  if (const auto* s = std::get_if<AirState>(&r)) f.state = *s;
  return f;
}

const std::vector<std::pair<std::string, Input>> kOrdinary = {{"pair1", {1, 1.01325, 20, 50}},
                                                              {"pair2", {2, 1.01325, 20, 13.7267}},
                                                              {"pair3", {3, 1.01325, 20, 38.5}},
                                                              {"pair4", {4, 1.01325, 0.0072549, 38.493}},
                                                              {"pair5", {5, 1.01325, 20, 0.0072549}}};

const std::vector<std::pair<std::string, Input>> kHard = {{"hard_dewpoint_above_root", {1, 1.01325, -30, 99.9}},
                                                          {"hard_frost_point_out_of_range", {1, 0.1, -10, 1}},
                                                          {"hard_root_on_ice_water_jump", {1, 1.01325, 0, 99.9}},
                                                          {"hard_near_tdbmax", {1, 1.01325, 89.89, 99}}};

void RegisterState(const std::string& name, const Input& in) {
  const int evaluations = EvaluationsOf(in);
  const double twb = WetBulbOf(in);
  benchmark::RegisterBenchmark(("resolve/" + name).c_str(), [in, evaluations](benchmark::State& state) {
    for (auto _ : state) Resolve(in);
    state.counters["evaluations"] = evaluations;
  });
  benchmark::RegisterBenchmark(("full_floor/" + name).c_str(), [f = FullFloorOf(in)](benchmark::State& state) {
    for (auto _ : state) FullFloor(f);
  });
  benchmark::RegisterBenchmark(("floor/" + name).c_str(), [twb, evaluations](benchmark::State& state) {
    // Pair 2 has no iteration: its floor is the one saturated-enthalpy evaluation it makes.
    const int n = evaluations > 0 ? evaluations : 1;
    for (auto _ : state) Floor(n, twb);
    state.counters["evaluations"] = n;
  });
}

// 100 000 states that the field checks accept, spread over the five pairs and their ranges.
std::vector<Input> AcceptedStates(int count) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> unit(0, 1);
  const Numbers point('.');
  std::vector<Input> states;
  while (static_cast<int>(states.size()) < count) {
    Input in;
    in.pair = 1 + static_cast<int>(random() % 5);
    in.p = 0.1 + 9.9 * unit(random);
    const double tdbmax = AtDisplayPrecision(point, MaxDryBulb(InputPairFromNumber(in.pair), in.p), kTdbmaxPattern);
    if (in.pair == 4) {
      in.first = std::pow(10, -5 + 5 * unit(random));  // x from 1e-5 to 1
      const EnthalpyRange r = AbsHumidityEnthalpyRange(in.first, in.p, tdbmax);
      in.second = r.hmin + unit(random) * (r.hmax - r.hmin);
    } else {
      in.first = -40.1 + unit(random) * (tdbmax - -40.1);
      switch (in.pair) {
        case 1: in.second = 100 * unit(random); break;
        case 2: in.second = MinWetBulb(in.first, in.p) + unit(random) * (in.first - MinWetBulb(in.first, in.p)); break;
        case 3: {
          const EnthalpyRange r = SaturatedEnthalpyRange(in.first, in.p);
          in.second = r.hmin + unit(random) * (r.hmax - r.hmin);
          break;
        }
        default: in.second = unit(random) * MaxAbsHumidity(in.first, in.p); break;
      }
    }
    char texts[3][40];
    std::snprintf(texts[0], 40, "%.6f", in.p);
    std::snprintf(texts[1], 40, "%.6f", in.first);
    std::snprintf(texts[2], 40, "%.6f", in.second);
    in.p = *point.parse(texts[0]);
    in.first = *point.parse(texts[1]);
    in.second = *point.parse(texts[2]);
    if (!CalculateFromTexts(InputPairFromNumber(in.pair), texts[0], texts[1], texts[2], point).refusal)
      states.push_back(in);
  }
  return states;
}

// What the arithmetic outside the iteration costs, to read the ratios against.
void RegisterParts() {
  static const AirState state = std::get<AirState>(ResolveState(InputPair::DryBulbHumidity, 1.01325, 20, 50));
  benchmark::RegisterBenchmark("part/SatPressure+Enthalpy", [](benchmark::State& s) {
    // The argument read through a volatile: DoNotOptimize on a double this compiler keeps in a
    // register leaves garbage there (a subnormal t timed the ice fit's slow powers).
    const volatile double t = 20;
    for (auto _ : s) {
      double h = Enthalpy(t, SatPressure(t));
      benchmark::DoNotOptimize(h);
    }
  });
  benchmark::RegisterBenchmark("part/DewPoint", [](benchmark::State& s) {
    const volatile double pv = 0.0116825;
    for (auto _ : s) {
      double td = DewPoint(pv);
      benchmark::DoNotOptimize(td);
    }
  });
  benchmark::RegisterBenchmark("part/ThermophysicalProperties", [](benchmark::State& s) {
    for (auto _ : s) {
      ThermoProps props = ThermophysicalProperties(state);
      benchmark::DoNotOptimize(props);
    }
  });
}

void RegisterSpread() {
  static const std::vector<Input> states = AcceptedStates(100000);
  static std::vector<std::pair<int, double>> floors;  // evaluations and wet bulb of each state
  floors.reserve(states.size());
  for (const Input& in : states) floors.emplace_back(EvaluationsOf(in), WetBulbOf(in));
  benchmark::RegisterBenchmark("resolve/spread_100000", [](benchmark::State& state) {
    for (auto _ : state) {
      for (const Input& in : states) Resolve(in);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(states.size()));
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("floor/spread_100000", [](benchmark::State& state) {
    long evaluations = 0;
    for (auto _ : state) {
      for (const auto& [n, twb] : floors) {
        Floor(n > 0 ? n : 1, twb);
        evaluations += n > 0 ? n : 1;
      }
    }
    state.counters["evaluations"] = static_cast<double>(evaluations) / static_cast<double>(state.iterations());
  })->Unit(benchmark::kMillisecond);
}

// The batch calculator's pipeline on 100 000 CSV rows (one in ten refused), output to /dev/null.
void RegisterCsv() {
  static std::string csv = [] {
    const std::vector<Input> states = AcceptedStates(90000);
    std::string text = "pair,p,first,second\n";
    char line[160];
    for (std::size_t i = 0; i < states.size(); ++i) {
      const Input& in = states[i];
      std::snprintf(line, sizeof line, "%d,%.6f,%.6f,%.6f\n", in.pair, in.p, in.first, in.second);
      text += line;
      if (i % 9 == 8) text += "2,1.01325,20,21\n";  // refused: twb above tdb
    }
    return text;
  }();
  // Rows per second on one job and on every core (wall-clock time: the work is on other threads).
  benchmark::RegisterBenchmark("vaporel_calc_csv/100000_rows",
                               [](benchmark::State& state) {
                                 std::FILE* sink = std::fopen("/dev/null", "w");
                                 long rows = 0;
                                 for (auto _ : state) {
                                   std::FILE* input = fmemopen(csv.data(), csv.size(), "r");
                                   rows += RunCsvInParallel(input, sink,
                                                            CsvFormat{Numbers('.'), UnitSystem::SI, std::nullopt},
                                                            static_cast<int>(state.range(0)));
                                   std::fclose(input);
                                 }
                                 std::fclose(sink);
                                 state.SetItemsProcessed(rows);
                               })
      ->ArgName("jobs")
      ->Arg(1)
      ->Arg(static_cast<int>(std::max(2u, std::thread::hardware_concurrency())))
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

// Each resolution as a multiple of its floor. On a shared machine the benchmark's own figures
// move with the other load; here resolution and floor alternate in short rounds and the
// fastest round of each counts, which is what the arithmetic itself costs.
double ThreadCpuMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) * 1e-3;
}

template <typename Work>
double RoundTime(Work work, int reps) {
  const double begin = ThreadCpuMicroseconds();
  work();
  return (ThreadCpuMicroseconds() - begin) / reps;
}

void PrintRatio(const std::string& name, const Input& in, int rounds) {
  const int evaluations = EvaluationsOf(in);
  const int n = evaluations > 0 ? evaluations : 1;
  const double twb = WetBulbOf(in);
  const FullFloorInputs full = FullFloorOf(in);
  const int reps = std::max(1, 2000 / n);
  double resolve = 1e300, floor = 1e300, fullFloor = 1e300;
  for (int round = 0; round < rounds; ++round) {
    fullFloor = std::min(fullFloor, RoundTime(
                                        [&] {
                                          for (int i = 0; i < reps; ++i) FullFloor(full);
                                        },
                                        reps));
    resolve = std::min(resolve, RoundTime(
                                    [&] {
                                      for (int i = 0; i < reps; ++i) Resolve(in);
                                    },
                                    reps));
    floor = std::min(floor, RoundTime(
                                [&] {
                                  for (int i = 0; i < reps; ++i) Floor(n, twb);
                                },
                                reps));
  }
  std::printf("%-32s %11d %14.3f %12.3f %12.3f %10.3f %10.3f\n", name.c_str(), evaluations, resolve, floor, fullFloor,
              resolve / fullFloor, floor / resolve);
}

void PrintRatios() {
  std::printf("\nResolution against its floors, thread CPU time, fastest of 200 interleaved rounds.\n");
  std::printf("floor: the wet-bulb evaluations alone; full floor: with tdb's saturation pressure, the dew\n");
  std::printf("point and the thermophysical fits. Targets: x full <= 1.10, iteration share >= 0.90.\n");
  std::printf("%-32s %11s %14s %12s %12s %10s %10s\n", "state", "evaluations", "resolve [us]", "floor [us]",
              "full [us]", "x full", "iter share");
  for (const auto& [name, in] : kOrdinary) PrintRatio(name, in, 200);
  for (const auto& [name, in] : kHard) PrintRatio(name, in, 200);
}

}  // namespace
}  // namespace vaporel

int main(int argc, char** argv) {
  using namespace vaporel;
  for (const auto& [name, in] : kOrdinary) RegisterState(name, in);
  for (const auto& [name, in] : kHard) RegisterState(name, in);
  RegisterParts();
  RegisterSpread();
  RegisterCsv();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintRatios();
}
