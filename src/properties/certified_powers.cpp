#include "properties/certified_powers.hpp"

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>

#include "properties/called_power.hpp"

// Why the rounded exact product is pow's result.
//
// The products. A power is a double-double hi + lo (|lo| <= ulp(hi) / 2). t^2 is the exact
// product t·t; t^3 = t^2·t, t^4 = t^2·t^2, t^5 = t^4·t and t^6 = t^3·t^3, a tree three products
// deep, so that a fit waits on three products, not five. A product of a = ah + al and
// b = bh + bl takes ah·bh exactly as p + e, lo = fl(e + fl(fl(ah·bl) + fl(al·bh))), then
// hi = fl(p + lo) and lo' = lo - (hi - p), which is exact (Fast2Sum, |p| >= |lo|). Dropping
// al·bl and the four roundings add at most 6u² of a·b (u = 2^-53) to the relative errors of a
// and b, so t^k's double-double lies within 12u² < 2^-102 of t^k relative for k <= 6: within
// 2^-49 ULP of its rounding.
//
// The bound it relies on. glibc's pow (since 2.28, the optimized-routines implementation in
// sysdeps/ieee754/dbl-64/e_pow.c, as in Debian 12's glibc 2.36) states its worst-case error:
// 0.54 ULP. If t^k lies within 0.45 ULP of the double hi (the 0.04 ULP the bound leaves, with
// a margin: 0.05), every other double is more than 0.55 ULP away from t^k, so pow returns hi.
// The test below asks |lo| <= (0.45 - 2^-40) ULP of hi, which covers the products' 2^-49 ULP.
//
// Where the argument does not hold, pow is called: hi a power of two (the spacing below it is
// half the spacing above), t zero, not finite, or so small or large that a product could
// leave the normal range (|t| outside [2^-60, 2^60]: t^6 stays within 2^±360).
//
// Both ways of taking the exact product give the same p + e (p = fl(a·b), e = a·b - p), so
// both give the same bits; nothing else in the products may be contracted into a fused
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

// (ah + al)·(bh + bl) as a double-double, within 6u² relative of the exact product.
template <Exact (*Product)(double, double)>
[[gnu::always_inline]] inline Exact Times(Exact a, Exact b) {
  const Exact p = Product(a.hi, b.hi);
  const double lo = p.lo + (a.hi * b.lo + a.lo * b.hi);
  const double hi = p.hi + lo;
  return {hi, lo - (hi - p.hi)};
}

template <Exact (*Product)(double, double), int kHighest>
[[gnu::always_inline]] inline CertifiedPowers Tree(double t) {
  const double magnitude = std::abs(t);
  if (!(magnitude >= kSmallest && magnitude <= kLargest)) return PowersByPow(t, kHighest);
  std::array<Exact, kHighestPower + 1> exact{};
  exact[1] = {t, 0};
  exact[2] = Product(t, t);
  if constexpr (kHighest >= 3) exact[3] = Times<Product>(exact[2], exact[1]);
  if constexpr (kHighest >= 4) exact[4] = Times<Product>(exact[2], exact[2]);
  if constexpr (kHighest >= 5) exact[5] = Times<Product>(exact[4], exact[1]);
  if constexpr (kHighest >= 6) exact[6] = Times<Product>(exact[3], exact[3]);
  CertifiedPowers table;
  table.power[0] = 1;
  table.power[1] = t;
  for (int k = 2; k <= kHighest; ++k) {
    const Exact& power = exact[static_cast<std::size_t>(k)];
    if (Certified(power.hi, power.lo)) {
      table.power[static_cast<std::size_t>(k)] = power.hi;
    } else {
      table.power[static_cast<std::size_t>(k)] = CalledPower(t, k);
      table.calledPow |= 1U << k;
    }
  }
  return table;
}

template <Exact (*Product)(double, double)>
[[gnu::always_inline]] inline CertifiedPowers Chain(double t, int highest) {
  switch (highest) {
    case 2: return Tree<Product, 2>(t);
    case 3: return Tree<Product, 3>(t);
    case 4: return Tree<Product, 4>(t);
    case 5: return Tree<Product, 5>(t);
    default: return Tree<Product, 6>(t);
  }
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
