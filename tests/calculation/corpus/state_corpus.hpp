#pragma once
// A fixed, deterministic corpus of inputs over the five pairs, the pressures and the
// temperatures the field checks accept (and some they refuse), with what the program gives
// for each: the thirteen precise values or the refusal. Recorded once and committed, it holds
// every later change of the engine to the same bits.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "calculation/check_sequence.hpp"
#include "calculation/result_texts.hpp"
#include "calculation/thermophysical.hpp"
#include "properties/humid_air.hpp"
#include "properties/saturation.hpp"

namespace vaporel::corpus {

// splitmix64: the same numbers on every machine and library.
inline std::uint64_t Mix(std::uint64_t z) {
  z += 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

class Draw {
 public:
  explicit Draw(std::uint64_t index) : state_(index * 0x100000001B3ULL) {}
  double unit() { return static_cast<double>(Mix(state_++) >> 11) * 0x1.0p-53; }
  double between(double a, double b) { return a + unit() * (b - a); }

 private:
  std::uint64_t state_;
};

struct Inputs {
  int pair = 1;
  std::string p, first, second;
};

inline std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Input number `index`: mostly states the checks accept, with a share at 0 °C, near the
// highest dry bulb, at the pressure limits and outside the limits.
inline Inputs InputsAt(std::uint64_t index) {
  Draw d(index);
  Inputs in;
  in.pair = 1 + static_cast<int>(Mix(index) % 5);
  const double pick = d.unit();
  double p = d.between(0.1, 10);
  if (pick < 0.03) p = pick < 0.01 ? 0.1 : (pick < 0.02 ? 1.01325 : 10);
  if (pick > 0.98) p = d.between(0.05, 12);  // partly out of range
  in.p = Fixed(p, 5);
  p = std::stod(in.p);
  const double ts = SatTemperature(p);
  const double tdbmax = in.pair == 1 ? 0.9 * ts : ts;
  const double where = d.unit();
  double tdb = d.between(-45, tdbmax + 1);
  if (where < 0.1) tdb = d.between(-0.3, 0.3);        // the step between ice and water
  if (where > 0.9) tdb = tdbmax - d.between(0, 0.6);  // near boiling
  tdb = std::stod(Fixed(tdb, 4));
  const double xs = AbsHumidity(tdb, 100, p);
  const double xsat = std::isfinite(xs) && xs > 0 ? xs : 1;
  switch (in.pair) {
    case 1:
      in.first = Fixed(tdb, 4);
      in.second = Fixed(d.unit() < 0.05 ? (d.unit() < 0.5 ? 0 : 100) : d.between(0, 100.5), 3);
      break;
    case 2:
      in.first = Fixed(tdb, 4);
      in.second = Fixed(tdb - d.between(-0.2, 35) * d.unit(), 4);
      break;
    case 3:
      in.first = Fixed(tdb, 4);
      in.second = Fixed(d.between(Enthalpy(tdb, 0) - 0.5, Enthalpy(tdb, xsat) + 0.5), 4);
      break;
    case 4: {
      const double x = std::pow(10, d.between(-6, -0.5)) * (d.unit() < 0.03 ? 0 : 1);
      in.first = Fixed(x, 7);
      in.second = Fixed(d.between(Enthalpy(-50, x), Enthalpy(tdbmax, x) + 1), 4);
      break;
    }
    default:
      in.first = Fixed(tdb, 4);
      in.second = Fixed(d.unit() * xsat * 1.02, 8);
      break;
  }
  return in;
}

// One record line: the inputs, then the thirteen values as bit patterns or the refusal.
inline std::string Record(const Inputs& in) {
  const Numbers point('.');
  const Resolution r = CheckAndCalculate(InputPairFromNumber(in.pair), {in.p, in.first, in.second}, point);
  std::string line = std::to_string(in.pair) + " " + in.p + " " + in.first + " " + in.second + " |";
  if (const auto* refusal = std::get_if<Refusal>(&r)) return line + " " + refusal->message;
  const auto& state = std::get<AirState>(r);
  for (double v : ResultValues(state, ThermophysicalProperties(state))) {
    char bits[24];
    std::uint64_t u;
    std::memcpy(&u, &v, sizeof u);
    std::snprintf(bits, sizeof bits, " %016llx", static_cast<unsigned long long>(u));
    line += bits;
  }
  return line;
}

// The digests cover 1 000 000 inputs in shards that can be checked in parallel.
inline constexpr std::uint64_t kShards = 4;
inline constexpr std::uint64_t kShardSize = 250000;

// FNV-1a over the record lines of inputs first .. first+count-1, each ended by a line break.
inline std::uint64_t Digest(std::uint64_t first, std::uint64_t count) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (std::uint64_t i = first; i < first + count; ++i) {
    for (const char c : Record(InputsAt(i)) + "\n") hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
  }
  return hash;
}

}  // namespace vaporel::corpus
