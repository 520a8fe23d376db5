#pragma once
// The work area of a conic through five points: its equation, class, canonical frame and
// the samples it is drawn and measured along.
#include <cstdint>
#include <vector>

namespace velt {

inline constexpr int kConicSamples = 120;

// A x^2 + B xy + C y^2 + D x + E y + F = 0
struct ConicEquation {
  double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;

  bool operator==(const ConicEquation&) const = default;
};

// The class of a fitted conic.
enum ConicClass : int32_t {
  kConicNone = 0,  // no real curve
  kConicEllipse = 1,
  kConicHyperbola = 2,
  kConicParabola = 3,
  kConicCrossingLines = 4,
  kConicParallelLines = 5,
};

struct ConicData {
  // The equation in plane coordinates: A x^2 + B xy + C y^2 + D x + E y + F = 0.
  double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
  int32_t conicClass = kConicNone;
  // Canonical frame (classes 1 to 3): the canonical coordinates (u, v) are turned by
  // `angle` (and, when `axesExchanged`, first by -pi/2) and moved to (cx, cy), the centre
  // of an ellipse or hyperbola or the vertex of a parabola.
  double cx = 0, cy = 0, angle = 0;
  bool axesExchanged = false;
  // The canonical equation, normalised so that its first squared coefficient is 1
  // (u^2 + c v^2 + f = 0 for the central classes, v^2 + d u = 0 for a parabola).
  ConicEquation canonical;
  // Semi-axes along u and v (ellipse, hyperbola); for a parabola p = |d| and q = 0.
  double p = 0, q = 0;
  // kConicSamples points along the curve in plane coordinates. For a hyperbola S0..S59 are
  // one branch and S60..S119 the other; for a pair of lines S0S1 and S2S3 are the lines.
  std::vector<double> sx, sy;

  ConicEquation Equation() const { return {a, b, c, d, e, f}; }
  void SetEquation(const ConicEquation& q) { a = q.a, b = q.b, c = q.c, d = q.d, e = q.e, f = q.f; }

  bool operator==(const ConicData&) const = default;
};

}  // namespace velt
