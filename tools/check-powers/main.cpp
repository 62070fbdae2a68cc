// check-powers [SAMPLES]: the certified powers against the C library's pow on SAMPLES
// arguments (default 10^9), each with its powers 2 .. 6, on every core, by split products
// and (where the processor has it) by fused multiply-add. Prints the differences (there must
// be none) and the share of powers that fell back to pow. A developer's tool: the tests hold
// a million samples per exponent, this the long run.
#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "properties/certified_powers.hpp"

namespace {

using namespace vaporel;

double Pow(double t, int k) {
  const volatile double exponent = k;
  return std::pow(t, exponent);
}

// splitmix64, so that every run checks the same arguments.
std::uint64_t Mix(std::uint64_t z) {
  z += 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// Argument number i: a quarter on the 0.1 K grid, an eighth on the 0.001 K grid over ±50 °C,
// an eighth within ±1 K of 0 °C, a quarter anywhere in -150 .. 200 °C, a quarter a logarithm
// of a pressure from 10^-12 to 10 bar (the dew and frost points' and the boiling point's L).
double Argument(std::uint64_t i) {
  const std::uint64_t bits = Mix(i);
  const double unit = static_cast<double>(bits >> 11) * 0x1.0p-53;
  switch (bits & 7) {
    case 0:
    case 1: return std::round(-1500 + unit * 3500) * 0.1;
    case 2: return std::round(-50000 + unit * 100000) * 0.001;
    case 3: return -1 + 2 * unit;
    case 4:
    case 5: return -150 + 350 * unit;
    default: return std::log(1e-12) + unit * (std::log(10.0) - std::log(1e-12));
  }
}

struct Tally {
  std::uint64_t powers = 0, called = 0, differences = 0;
};

Tally Check(CertifiedPowers (*routine)(double, int), std::uint64_t first, std::uint64_t count) {
  Tally tally;
  for (std::uint64_t i = first; i < first + count; ++i) {
    const double t = Argument(i);
    const CertifiedPowers table = routine(t, kHighestPower);
    for (int k = 2; k <= kHighestPower; ++k) {
      const double got = table.power[static_cast<std::size_t>(k)];
      if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(Pow(t, k))) {
        if (++tally.differences <= 10) std::printf("difference: %a^%d gives %a, pow %a\n", t, k, got, Pow(t, k));
      }
      tally.called += (table.calledPow >> k) & 1U;
      ++tally.powers;
    }
  }
  return tally;
}

Tally CheckOnEveryCore(CertifiedPowers (*routine)(double, int), std::uint64_t samples) {
  const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
  std::vector<Tally> tallies(cores);
  std::vector<std::thread> threads;
  for (unsigned c = 0; c < cores; ++c) {
    const std::uint64_t first = samples * c / cores, last = samples * (c + 1) / cores;
    threads.emplace_back([&, c, first, last] { tallies[c] = Check(routine, first, last - first); });
  }
  for (std::thread& thread : threads) thread.join();
  Tally all;
  for (const Tally& t : tallies) {
    all.powers += t.powers;
    all.called += t.called;
    all.differences += t.differences;
  }
  return all;
}

void Report(const char* way, const Tally& tally) {
  std::printf("%-20s %14llu powers, %llu differences from pow, %.2f %% fell back to pow\n", way,
              static_cast<unsigned long long>(tally.powers), static_cast<unsigned long long>(tally.differences),
              100.0 * static_cast<double>(tally.called) / static_cast<double>(tally.powers));
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t samples = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000'000ULL;
  const Tally split = CheckOnEveryCore(PowersBySplitProducts, samples);
  Report("split products", split);
  std::uint64_t differences = split.differences;
  if (ProcessorHasFusedMultiplyAdd()) {
    const Tally fused = CheckOnEveryCore(PowersByFusedMultiplyAdd, samples);
    Report("fused multiply-add", fused);
    differences += fused.differences;
  } else {
    std::printf("fused multiply-add: this processor has none\n");
  }
  return differences == 0 ? 0 : 1;
}
