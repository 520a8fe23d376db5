#pragma once
// The work area of a conic through five points: its equation, class and samples.
#include <cstdint>
#include <vector>

namespace velt {

inline constexpr int kConicSamples = 120;

struct ConicData {
  // A x^2 + B xy + C y^2 + D x + E y + F = 0
  double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
  // 0 none yet; the classes of the fit (ellipse, hyperbola, parabola, line pairs).
  int32_t conicClass = 0;
  // Canonical frame: centre (or vertex), axis angle and the two semi-axes / focal value.
  double cx = 0, cy = 0, angle = 0, p = 0, q = 0;
  // Samples along the curve in plane coordinates.
  std::vector<double> sx, sy;

  bool operator==(const ConicData&) const = default;
};

}  // namespace velt
