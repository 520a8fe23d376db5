#pragma once
// The built-in one-argument functions: their written names and codes.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velt::expr {

// Codes of the built-in functions.
enum FunctionCode : int32_t {
  kSin = 115,
  kCos = 99,
  kTan = 116,
  kAsin = 83,
  kAcos = 67,
  kAtan = 84,
  kLn = 108,
  kLog = 76,
  kAbs = 97,
  kSqr = 113,
  kInt = 105,
  kSgn = 500,
  kCeil = 501,
  kFloor = 502,
  kRound = 503,
  kExp = 504,
  kSinh = 505,
  kCosh = 506,
  kTanh = 507,
  kSec = 508,
  kCosec = 509,
  kCotg = 510,
  kRandom = 511,
  kSech = 512,
  kCosech = 513,
  kCotgh = 514,
  kAsinh = 525,
  kAcosh = 526,
  kAtanh = 527,
  kAsech = 528,
  kAcosech = 529,
  kAcotgh = 530,
  kAsec = 531,
  kAcosec = 532,
  kAcotg = 533,
};

struct FunctionEntry {
  std::string_view name;
  int32_t code;
};

// Every built-in function, in no particular order.
std::span<const FunctionEntry> FunctionTable();
// The code of an operator character or a function name (exact, upper case).
std::optional<int32_t> LookupOperatorOrFunction(std::string_view token);
bool IsBuiltInFunction(int32_t code);

}  // namespace velt::expr
