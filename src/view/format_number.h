#pragma once
// Numbers as the drawing shows them. Every conversion here writes a decimal point whatever
// the user's locale says: a stored or displayed number means the same everywhere.
#include <string>

namespace velt {

// The decimals an element may ask for.
inline constexpr int kMaxDecimals = 8;

// A value with `decimals` decimals (clamped to 0..8), rounded half away from zero after the
// value was first rounded to 15 significant digits (so 2.675 shows 2.68, as written).
// Magnitudes above 10 000 000 are written in exponent form with 3 significant digits
// (1.23E+07). A negative value that rounds to zero keeps its sign (-0.00); negative zero is
// zero (0.00). Non-finite values give "∞", "-∞" and "?".
std::string FormatNumber(double value, int decimals);

// An axis step count: exponent form from 1e7 on (1E+07), otherwise up to 15 significant
// digits without trailing zeros.
std::string AxisStepText(double count);

}  // namespace velt
