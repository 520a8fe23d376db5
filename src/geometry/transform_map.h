#pragma once
// The point maps of the transformations, as plain functions of points and numbers. Each
// returns nothing where the image does not exist: a degenerate axis, an inversion of the
// centre, a non-finite input or result.
#include <optional>

#include "geometry/primitives.h"

namespace velt {

// 2C - P.
std::optional<Pt> CentralSymmetric(Pt p, Pt c);
// P reflected in the line AB (the whole carrier line). Nothing when A and B are closer than
// kPointCoincidence: they do not define a line.
std::optional<Pt> AxialSymmetric(Pt p, Pt a, Pt b);
// P + (B - A); P itself when A and B are closer than kPointCoincidence.
std::optional<Pt> Translated(Pt p, Pt a, Pt b);
// P turned about C by alpha radians, counter-clockwise; a point within kPointCoincidence of C
// does not move. Nothing for an angle that is not finite.
std::optional<Pt> Rotated(Pt p, Pt c, double alpha);
// C + k (P - C).
std::optional<Pt> Homothetic(Pt p, Pt c, double k);
// The point on the ray O->P at distance r^2 / |OP| from O. Nothing for P = O.
std::optional<Pt> Inverse(Pt p, Pt o, double r);

}  // namespace velt
