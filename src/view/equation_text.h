#pragma once
// The texts of equations in the coordinates of a pair of axes: lines, circles and conics.
// Numbers are written by FormatNumber with the element's decimals.
#include <string>

#include "model/conic_data.h"

namespace velt {

// y = m·x + n: "y = 2.00x +3.00", "y = -0.50x -1.00", "y = 3.00", "y = 1.00x " (a slope of
// 1 is written out and followed by a blank).
std::string LineEquationText(double m, double n, int decimals);
// x = c.
std::string VerticalLineEquationText(double c, int decimals);

// The circle of centre (a, b) and radius r: "(x-2.00)²+(y+1.00)²=3.00²", "x²+y²=3.00²".
std::string CircleEquationText(double a, double b, double r, int decimals);
// The same curve divided through by the squared radii along each axis, which differ when the
// axes' units do: "(x-2.00)²/3.00²+y²/1.50²=1".
std::string CircleAxisEquationText(double a, double b, double rx, double ry, int decimals);

// A conic, terms in the order y², xy, x², y, x, constant: "y² +x² -4.00 = 0".
std::string ConicEquationText(const ConicEquation& eq, int decimals);

}  // namespace velt
