#include "properties/certified_powers.hpp"

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>

#include "properties/called_power.hpp"

// Why the rounded exact product is pow's result.
//
// The chain. hi_k + lo_k (two doubles, |lo_k| <= ulp(hi_k) / 2) stands for t^k. The next
// power takes hi_k·t exactly as p + e (an exact product), lo = fl(e + fl(lo_k·t)), then
// hi_{k+1} = fl(p + lo) and lo_{k+1} = lo - (hi_{k+1} - p), which is exact (Fast2Sum, |p| >=
// |lo|): hi_{k+1} + lo_{k+1} = p + lo. The two roundings add at most 3u² of t^(k+1) (u = 2^-53),
// so hi_k + lo_k lies within 3(k-2)u² < 2^-102 of t^k relative, for k <= 6: 2^-49 ULP.
//
// The bound it relies on. glibc's pow (since 2.28, the optimized-routines implementation in
// sysdeps/ieee754/dbl-64/e_pow.c, as in Debian 12's glibc 2.36) states its worst-case error:
// 0.54 ULP. If t^k lies within 0.45 ULP of the double hi (the 0.04 ULP the bound leaves, with
// a margin: 0.05), every other double is more than 0.55 ULP away from t^k, so pow returns hi.
// The test below asks |lo| <= (0.45 - 2^-40) ULP of hi, which covers the chain's 2^-49 ULP.
//
// Where the argument does not hold, pow is called: hi a power of two (the spacing below it is
// half the spacing above), t zero, not finite, or so small or large that a product could
// leave the normal range (|t| outside [2^-60, 2^60]: t^6 stays within 2^±360).
//
// Both ways of taking the exact product give the same p + e (p = fl(a·b), e = a·b - p), so
// both give the same bits; nothing else in the chain may be contracted into a fused
// multiply-add, which the build forbids (-ffp-contract=off).

namespace vaporel {
namespace {

struct Exact {
  double hi;
  double lo;
};

// Veltkamp's split and Dekker's product: a·b = hi + lo exactly, for |a|, |b| < 2^996.
inline Exact SplitProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double ca = kSplitter * a;
  const double aHigh = ca - (ca - a);
  const double aLow = a - aHigh;
  const double cb = kSplitter * b;
  const double bHigh = cb - (cb - b);
  const double bLow = b - bHigh;
  const double p = a * b;
  return {p, ((aHigh * bHigh - p) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

[[gnu::target("fma")]] inline Exact FusedProduct(double a, double b) {
  const double p = a * b;
  return {p, __builtin_fma(a, b, -p)};
}

constexpr double kSmallest = 0x1p-60;
constexpr double kLargest = 0x1p60;
constexpr double kCertifiedDistance = 0.45 - 0x1p-40;  // [ULP of hi]
constexpr std::uint64_t kExponentBits = 0x7ff0000000000000;
constexpr std::uint64_t kMantissaBits = 0x000fffffffffffff;

// hi is pow's result when hi + lo is within kCertifiedDistance ULP of hi.
inline bool Certified(double hi, double lo) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(hi);
  if ((bits & kMantissaBits) == 0) return false;  // a power of two
  const double ulp = std::bit_cast<double>(bits & kExponentBits) * 0x1p-52;
  return std::abs(lo) <= kCertifiedDistance * ulp;
}

CertifiedPowers PowersByPow(double t, int highest) {
  CertifiedPowers table;
  table.power[0] = 1;
  table.power[1] = t;
  for (int k = 2; k <= highest && k <= kHighestPower; ++k) {
    table.power[static_cast<std::size_t>(k)] = CalledPower(t, k);
    table.calledPow |= 1U << k;
  }
  return table;
}

template <Exact (*Product)(double, double)>
[[gnu::always_inline]] inline CertifiedPowers Chain(double t, int highest) {
  const double magnitude = std::abs(t);
  if (!(magnitude >= kSmallest && magnitude <= kLargest)) return PowersByPow(t, highest);
  CertifiedPowers table;
  table.power[0] = 1;
  table.power[1] = t;
  Exact last{t, 0};
  for (int k = 2; k <= highest && k <= kHighestPower; ++k) {
    const Exact product = Product(last.hi, t);
    const double lo = product.lo + last.lo * t;
    const double hi = product.hi + lo;
    last = {hi, lo - (hi - product.hi)};
    if (Certified(last.hi, last.lo)) {
      table.power[static_cast<std::size_t>(k)] = last.hi;
    } else {
      table.power[static_cast<std::size_t>(k)] = CalledPower(t, k);
      table.calledPow |= 1U << k;
    }
  }
  return table;
}

[[gnu::target("fma")]] CertifiedPowers FusedChain(double t, int highest) { return Chain<FusedProduct>(t, highest); }

PowersRoutine Chosen() { return ProcessorHasFusedMultiplyAdd() ? FusedChain : PowersBySplitProducts; }

std::atomic<PowersRoutine>& Routine() {
  static std::atomic<PowersRoutine> routine{Chosen()};
  return routine;
}

}  // namespace

bool ProcessorHasFusedMultiplyAdd() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("fma") != 0;
}

CertifiedPowers PowersBySplitProducts(double t, int highest) { return Chain<SplitProduct>(t, highest); }

CertifiedPowers PowersByFusedMultiplyAdd(double t, int highest) { return FusedChain(t, highest); }

PowerTable PowersAsPow(double t, int highest) { return Routine().load(std::memory_order_relaxed)(t, highest).power; }

PowersRoutine UsePowersRoutine(PowersRoutine routine) { return Routine().exchange(routine); }

}  // namespace vaporel
