#include "model/options.h"

namespace velt {

std::array<int32_t, kTypeCount> DefaultTypeColours() {
  std::array<int32_t, kTypeCount> c{};
  c[kTypePoint] = 255;
  for (int t : {kTypeLine, kTypeRay, kTypeArc, kTypeAngle, kTypeAxes}) c[t] = 8421504;
  for (int t : {kTypeSegment, kTypePolygon, kTypeCircle, kTypeVector}) c[t] = 16711680;
  for (int t : {kTypeLocus, kTypeIteration}) c[t] = 12615680;
  c[kTypeConic] = 16711680;
  return c;
}

std::array<int32_t, kTypeCount> DefaultTypeStyles() {
  std::array<int32_t, kTypeCount> s{};
  s.fill(1);
  return s;
}

int ScreenExtent(int screenWidth, int screenHeight) {
  const int s = (screenWidth > screenHeight ? screenWidth : screenHeight) + 1;
  return s < 1000 ? 1000 : s;
}

Options FactoryOptions(int screenExtent) {
  Options o;
  o.planeSize = screenExtent + 1000 > 4000 ? screenExtent + 1000 : 4000;
  return o;
}

}  // namespace velt
