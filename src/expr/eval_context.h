#pragma once
// What an evaluation reads besides its codes: the angle unit, the cancel flag and the source
// of random numbers.
#include <atomic>
#include <cstdint>
#include <random>

namespace velt::expr {

// Angle units of a document.
enum AngleUnit : int32_t { kRadians = 0, kDegrees = 1, kGrads = 2 };

// Uniform numbers in [0, 1) for RANDOM; a caller that wants repeatable values owns one.
class RandomSource {
 public:
  explicit RandomSource(uint64_t seed) : engine_(seed) {}
  double Next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

 private:
  std::mt19937_64 engine_;
};

struct EvalContext {
  int32_t angleUnit = kRadians;
  // Set by a cancelled recompute: every evaluation then fails at its next token.
  const std::atomic<bool>* abort = nullptr;
  // Null: RANDOM draws from a fresh non-deterministic seed.
  RandomSource* random = nullptr;
};

}  // namespace velt::expr
