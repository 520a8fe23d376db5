#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/position_on_element.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

struct Carriers : ::testing::Test {
  Document doc;
  RuleContext ctx{&doc};
  Element* a = nullptr;
  Element* b = nullptr;

  // A straight element of the kind on A, B (kinds 5 and 7 through A with direction B - A).
  Element* Straight(int32_t kind, double ax, double ay, double bx, double by) {
    a = AddPoint(doc, ax, ay);
    b = AddPoint(doc, bx, by);
    Element* e = kind == kLineThroughPoint || kind == kRayThroughPoint
                     ? Add(doc, kind, {a}, {ax, ay, bx, by})
                     : Add(doc, kind, {a, b});
    RecomputeAll(doc);
    return e;
  }
  CarrierHit Hit(const Element* carrier, double x, double y) {
    const auto hit = ParameterFromPosition(*carrier, {{x, y}}, ctx);
    EXPECT_TRUE(hit);
    return hit.value_or(CarrierHit{});
  }
};

TEST_F(Carriers, SegmentUsesAProbeAcrossTheCarrier) {
  Element* seg = Straight(kSegment, 0, 0, 10, 2);  // more horizontal: vertical probe
  CarrierHit h = Hit(seg, 5, 4);
  EXPECT_NEAR(h.t, 0.5, 1e-12);
  EXPECT_NEAR(h.distance, 3, 1e-12);  // straight down to (5, 1), not the perpendicular
  h = Hit(seg, 13, 2);                // beyond B
  EXPECT_EQ(h.t, 1);
  EXPECT_NEAR(h.distance, 3, 1e-12);
  h = Hit(seg, -3, -4);  // before A
  EXPECT_EQ(h.t, 0);
  EXPECT_NEAR(h.distance, 5, 1e-12);
  Element* steep = Straight(kVector, 0, 0, 1, 10);  // more vertical: horizontal probe
  h = Hit(steep, 3, 5);
  EXPECT_NEAR(h.t, 0.5, 1e-12);
  EXPECT_NEAR(h.distance, 2.5, 1e-12);
  // Ends closer than the tolerance: the first end.
  steep->value = {1, 1, 1, 1.00005};
  h = Hit(steep, 4, 5);
  EXPECT_EQ(h.t, 0);
  EXPECT_NEAR(h.distance, 5, 1e-12);
}

TEST_F(Carriers, LinesGiveAFractionOrASignedDistance) {
  Element* two = Straight(kLineTwoPoints, 0, 0, 4, 0);
  CarrierHit h = Hit(two, -6, 1);
  EXPECT_NEAR(h.t, -1.5, 1e-12);
  EXPECT_NEAR(h.distance, 1, 1e-12);
  Element* through = Straight(kLineThroughPoint, 0, 0, 4, 0);
  h = Hit(through, -6, 1);
  EXPECT_NEAR(h.t, -6, 1e-12);
  Element* ray = Straight(kRayThroughPoint, 1, 1, 1, 3);
  h = Hit(ray, 0, 5);
  EXPECT_NEAR(h.t, 4, 1e-12);
  EXPECT_NEAR(h.distance, 1, 1e-12);
  h = Hit(ray, 4, -3);  // behind the origin: the origin itself
  EXPECT_EQ(h.t, 0);
  EXPECT_NEAR(h.distance, 5, 1e-12);
  Element* ray2 = Straight(kRayTwoPoints, 1, 1, 1, 3);
  h = Hit(ray2, 2, 6);
  EXPECT_NEAR(h.t, 2.5, 1e-12);
}

TEST_F(Carriers, TypesWithoutPositioningGiveNothing) {
  Element* p = AddPoint(doc, 1, 1);
  double t = 0.5;
  EXPECT_FALSE(PositionOnElement(*p, t, ctx));
  EXPECT_FALSE(ParameterFromPosition(*p, {{1, 1}}, ctx));
  EXPECT_FALSE(CanCarryPoints(kTypePoint));
  EXPECT_TRUE(CanCarryPoints(kTypeCircle));
}

// A cursor on the carrier, turned into a parameter and back into a point by the rule of a
// point on the element, comes back to where it was.
TEST_F(Carriers, ParameterThenPositionReturnsTheCursor) {
  std::mt19937 rng(41);
  std::uniform_real_distribution<double> u(-500, 500), f(-2, 3), unit(0, 1), off(-3, 3);
  const int32_t kinds[] = {kLineThroughPoint, kLineTwoPoints, kRayThroughPoint,
                           kRayTwoPoints,     kSegment,       kVector};
  for (int i = 0; i < 3000; ++i) {
    const int32_t kind = kinds[i % 6];
    const double ax = u(rng), ay = u(rng), bx = u(rng), by = u(rng);
    if (std::hypot(bx - ax, by - ay) < 1) continue;
    Element* carrier = Straight(kind, ax, ay, bx, by);
    const int32_t type = carrier->type();
    // A fraction of AB inside the part of the line that the carrier covers.
    const double s = type == kTypeSegment || type == kTypeVector ? unit(rng)
                     : type == kTypeRay                          ? 3 * unit(rng)
                                                                 : f(rng);
    const double kx = ax + s * (bx - ax), ky = ay + s * (by - ay);
    const CarrierHit h = Hit(carrier, kx, ky);
    EXPECT_LT(h.distance, 1e-6);
    Element* on = Add(doc, kPointOnElement, {carrier}, {0, 0, 0, h.t});
    RecomputeAll(doc);
    ASSERT_EQ(on->exists, 1);
    EXPECT_LT(std::hypot(on->x() - kx, on->y() - ky), 1e-6) << kind;
    // Off the carrier: the returned distance is from the cursor to the point placed.
    const double cx = kx + off(rng), cy = ky + off(rng);
    const CarrierHit near = Hit(carrier, cx, cy);
    on->value[3] = near.t;
    RecomputeAll(doc);
    EXPECT_NEAR(std::hypot(on->x() - cx, on->y() - cy), near.distance, 1e-6) << kind;
    DeleteAll(doc);
  }
}

}  // namespace
}  // namespace velt
