#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "geometry/recompute.h"
#include "geometry/transform_map.h"
#include "model/dependents.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

constexpr double kPi = std::numbers::pi;

Element* AddNumber(Document& doc, double value) {
  Element* n = Add(doc, kParameter, {});
  n->value[0] = value;
  return n;
}

void ExpectAt(const Element* e, double x, double y, double tol = 1e-9) {
  EXPECT_EQ(e->exists, 1);
  EXPECT_NEAR(e->x(), x, tol);
  EXPECT_NEAR(e->y(), y, tol);
}

void Move(Element* p, double x, double y) {
  p->value[0] = x;
  p->value[1] = y;
}

double Dist(const Element* a, const Element* b) {
  return std::hypot(a->x() - b->x(), a->y() - b->y());
}

// A circle about (cx, cy) through the point r to its right.
Element* AddCircle(Document& doc, double cx, double cy, double r) {
  Element* c = AddPoint(doc, cx, cy);
  Element* q = AddPoint(doc, cx + r, cy);
  return Add(doc, kCircleCentrePoint, {c, q});
}

TEST(CentralSymmetry, ImageAndCentreItself) {
  Document doc;
  Element* p = AddPoint(doc, 1, 2);
  Element* c = AddPoint(doc, 0, 0);
  Element* image = Add(doc, kPointCentralSymmetry, {p, c});
  Element* onCentre = Add(doc, kPointCentralSymmetry, {c, c});
  Element* q = AddPoint(doc, -3.5, 7.25);
  Element* c2 = AddPoint(doc, 2, -1);
  Element* image2 = Add(doc, kPointCentralSymmetry, {q, c2});
  RecomputeAll(doc);
  ExpectAt(image, -1, -2);
  ExpectAt(onCentre, 0, 0);
  ExpectAt(image2, 7.5, -9.25);
}

TEST(AxialSymmetry, AxisLineSegmentsBeyondTheirEndsObliqueLinesAndSides) {
  Document doc;
  Element* origin = AddPoint(doc, 0, 0);
  Element* axes = Add(doc, kAxes, {origin});
  Element* xAxis = axes->as<AxesExt>()->xAxis.get();
  Element* p = AddPoint(doc, 0, 5);
  Element* inX = Add(doc, kPointAxialSymmetry, {p, xAxis});
  // A short segment on y = 1 reflects a point far beyond its ends in its whole line.
  Element* a = AddPoint(doc, 0, 1);
  Element* b = AddPoint(doc, 1, 1);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* far = AddPoint(doc, 40, 4);
  Element* inSeg = Add(doc, kPointAxialSymmetry, {far, seg});
  // The line y = x swaps the coordinates; a point on it stays.
  Element* o = AddPoint(doc, 0, 0);
  Element* d = AddPoint(doc, 3, 3);
  Element* diagonal = Add(doc, kLineTwoPoints, {o, d});
  Element* q = AddPoint(doc, 2, -5);
  Element* swapped = Add(doc, kPointAxialSymmetry, {q, diagonal});
  Element* onAxis = AddPoint(doc, -7, -7);
  Element* fixed = Add(doc, kPointAxialSymmetry, {onAxis, diagonal});
  // A vertical vector as the axis: x = 2.
  Element* v1 = AddPoint(doc, 2, 0);
  Element* v2 = AddPoint(doc, 2, 9);
  Element* vec = Add(doc, kVector, {v1, v2});
  Element* r = AddPoint(doc, 5, 1);
  Element* inVec = Add(doc, kPointAxialSymmetry, {r, vec});
  // The side from (6, 0) to (8, 2) of a triangle: the line y = x - 6.
  Element* t1 = AddPoint(doc, 6, 0);
  Element* t2 = AddPoint(doc, 8, 2);
  Element* triangle = test::AddWithPicks(doc, kPolygon, {t1, t2, AddPoint(doc, 9, -4)});
  Element* side = triangle->as<PolygonExt>()->sides[0].get();
  Element* inSide = Add(doc, kPointAxialSymmetry, {o, side});
  RecomputeAll(doc);
  ExpectAt(inSide, 6, -6);
  ExpectAt(inX, 0, -5);
  ExpectAt(inSeg, 40, -2);
  ExpectAt(swapped, -5, 2);
  ExpectAt(fixed, -7, -7);
  ExpectAt(inVec, -1, 1);
}

TEST(AxialSymmetry, AnAxisThatIsNoLineGivesNoImage) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* p = AddPoint(doc, 1, 3);
  Element* image = Add(doc, kPointAxialSymmetry, {p, seg});
  RecomputeAll(doc);
  ExpectAt(image, 1, -3);
  // An axis whose stored points coincide while it claims to exist (as a file may hold it):
  // no NaN, no image, the old coordinates stay.
  seg->value = {2, 2, 2, 2};
  RecomputeElement(*image, RuleContext{&doc});
  EXPECT_EQ(image->exists, 0);
  EXPECT_EQ(image->x(), 1);
  EXPECT_EQ(image->y(), -3);
  EXPECT_FALSE(AxialSymmetric({1, 3}, {2, 2}, {2, 2 + 0.5 * 0.0001}));
  EXPECT_FALSE(AxialSymmetric({1, 3}, {0, 0}, {std::numeric_limits<double>::quiet_NaN(), 1}));
}

TEST(Translation, ByTwoPointsAndByAVectorOfZeroLength) {
  Document doc;
  Element* p = AddPoint(doc, 1, 2);
  Element* a = AddPoint(doc, 5, 5);
  Element* b = AddPoint(doc, 8, 4);
  Element* moved = Add(doc, kPointTranslation, {p, a, b});
  Element* same = Add(doc, kPointTranslation, {p, a, a});
  Element* nearA = AddPoint(doc, 5 + 0.00005, 5);
  Element* tiny = Add(doc, kPointTranslation, {p, a, nearA});
  RecomputeAll(doc);
  ExpectAt(moved, 4, 1);
  ExpectAt(same, 1, 2);
  ExpectAt(tiny, 1, 2);
  // The image follows the vector when its end moves.
  Move(b, 5, 9);
  RecomputeAll(doc);
  ExpectAt(moved, 1, 6);
}

struct RotationCase {
  int32_t unit;
  double angle;
  double x, y;
};

TEST(Rotation, AngleReadInTheDocumentsUnit) {
  const RotationCase cases[] = {
      {1, 90, 0, 1},                            // DEG
      {0, 90, std::cos(90.0), std::sin(90.0)},  // RAD: ninety radians
      {2, 100, 0, 1},                           // GRA
      {1, -90, 0, -1},                          // clockwise for a negative angle
      {0, kPi, -1, 0},
  };
  for (const auto& c : cases) {
    Document doc;
    doc.angleUnit = c.unit;
    Element* p = AddPoint(doc, 1, 0);
    Element* o = AddPoint(doc, 0, 0);
    Element* n = AddNumber(doc, c.angle);
    Element* image = Add(doc, kPointRotation, {p, o, n});
    RecomputeAll(doc);
    SCOPED_TRACE(c.angle);
    ExpectAt(image, c.x, c.y, 1e-12);
  }
}

TEST(Rotation, AboutAnotherCentreAndThePointOnTheCentre) {
  Document doc;
  doc.angleUnit = 1;
  Element* p = AddPoint(doc, 4, 1);
  Element* c = AddPoint(doc, 1, 1);
  Element* n = AddNumber(doc, 60);
  Element* image = Add(doc, kPointRotation, {p, c, n});
  Element* nearCentre = AddPoint(doc, 1 + 0.00003, 1);
  Element* still = Add(doc, kPointRotation, {nearCentre, c, n});
  RecomputeAll(doc);
  ExpectAt(image, 1 + 3 * 0.5, 1 + 3 * std::sqrt(3.0) / 2);
  ExpectAt(still, 1 + 0.00003, 1, 0);
}

TEST(RotationAndHomothety, NumbersInErrorOrNotFiniteGiveNoImage) {
  Document doc;
  Element* p = AddPoint(doc, 3, 4);
  Element* c = AddPoint(doc, 0, 0);
  Element* n = AddNumber(doc, 0.5);
  Element* k = AddNumber(doc, 2);
  Element* turned = Add(doc, kPointRotation, {p, c, n});
  Element* scaled = Add(doc, kPointHomothety, {p, c, k});
  // The centre stays where it is for any angle, but not for one that is no number.
  Element* centreTurned = Add(doc, kPointRotation, {c, c, n});
  Element* centreScaled = Add(doc, kPointHomothety, {c, c, k});
  RecomputeAll(doc);
  ExpectAt(centreTurned, 0, 0);
  ExpectAt(scaled, 6, 8);
  const double oldX = turned->x(), oldY = turned->y();
  const double values[] = {std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  for (double bad : values) {
    n->value[0] = bad;
    k->value[0] = bad;
    RecomputeAll(doc);
    EXPECT_EQ(turned->exists, 0);
    EXPECT_EQ(scaled->exists, 0);
    EXPECT_EQ(centreTurned->exists, 0);
    EXPECT_EQ(centreScaled->exists, 0);
    EXPECT_EQ(turned->x(), oldX);
    EXPECT_EQ(turned->y(), oldY);
    EXPECT_EQ(scaled->x(), 6);
  }
  // In error, with a usable value still stored: no image either.
  n->value[0] = 0.5;
  k->value[0] = 2;
  n->attr1 = -100;
  k->attr1 = -100;
  RecomputeAll(doc);
  EXPECT_EQ(turned->exists, 0);
  EXPECT_EQ(scaled->exists, 0);
  n->attr1 = 100;
  k->attr1 = 100;
  RecomputeAll(doc);
  EXPECT_EQ(turned->exists, 1);
  EXPECT_EQ(scaled->exists, 1);
}

TEST(Homothety, RatiosMinusOneZeroAndOthers) {
  Document doc;
  Element* p = AddPoint(doc, 3, -2);
  Element* c = AddPoint(doc, 1, 1);
  Element* minusOne = AddNumber(doc, -1);
  Element* zero = AddNumber(doc, 0);
  Element* half = AddNumber(doc, 0.5);
  Element* opposite = Add(doc, kPointHomothety, {p, c, minusOne});
  Element* symmetric = Add(doc, kPointCentralSymmetry, {p, c});
  Element* atCentre = Add(doc, kPointHomothety, {p, c, zero});
  Element* halfway = Add(doc, kPointHomothety, {p, c, half});
  Element* ofCentre = Add(doc, kPointHomothety, {c, c, half});
  RecomputeAll(doc);
  ExpectAt(opposite, symmetric->x(), symmetric->y(), 0);
  ExpectAt(opposite, -1, 4);
  ExpectAt(atCentre, 1, 1);
  ExpectAt(halfway, 2, -0.5);
  ExpectAt(ofCentre, 1, 1);
}

TEST(Inversion, CircleOfRadiusFourCentreAndNearCentre) {
  Document doc;
  Element* circle = AddCircle(doc, 0, 0, 4);
  Element* p = AddPoint(doc, 2, 0);
  Element* image = Add(doc, kPointInversion, {circle, p});
  Element* centre = circle->parent[0];
  Element* ofCentre = Add(doc, kPointInversion, {circle, centre});
  Element* near = AddPoint(doc, 0, 1e-9);
  Element* farAway = Add(doc, kPointInversion, {circle, near});
  Element* onCircle = AddPoint(doc, 0, -4);
  Element* fixed = Add(doc, kPointInversion, {circle, onCircle});
  // So close to the centre that the image's distance is beyond every double.
  Element* denormal = AddPoint(doc, 1e-320, 0);
  Element* infinite = Add(doc, kPointInversion, {circle, denormal});
  RecomputeAll(doc);
  ExpectAt(image, 8, 0);
  EXPECT_EQ(ofCentre->exists, 0);
  EXPECT_EQ(farAway->exists, 1);
  EXPECT_EQ(farAway->x(), 0);
  EXPECT_NEAR(farAway->y(), 16e9, 1);
  ExpectAt(fixed, 0, -4);
  EXPECT_EQ(infinite->exists, 0);
  EXPECT_TRUE(std::isfinite(infinite->x()));
}

TEST(Inversion, AboutAnotherCentre) {
  Document doc;
  Element* circle = AddCircle(doc, 1, 2, 3);  // r^2 = 9
  Element* p = AddPoint(doc, 4, 6);           // |OP| = 5
  Element* image = Add(doc, kPointInversion, {circle, p});
  RecomputeAll(doc);
  ExpectAt(image, 1 + 3 * 9.0 / 25, 2 + 4 * 9.0 / 25);
}

TEST(TransformedPoints, AMissingParentKeepsTheOldCoordinates) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* seg = Add(doc, kSegment, {a, b});
  Element* p = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0.5});
  Element* c = AddPoint(doc, 0, 3);
  Element* n = AddNumber(doc, 2);
  Element* circle = AddCircle(doc, 0, 0, 1);
  Element* images[] = {
      Add(doc, kPointCentralSymmetry, {p, c}), Add(doc, kPointAxialSymmetry, {c, seg}),
      Add(doc, kPointTranslation, {p, a, c}),  Add(doc, kPointRotation, {p, c, n}),
      Add(doc, kPointHomothety, {p, c, n}),    Add(doc, kPointInversion, {circle, p}),
  };
  RecomputeAll(doc);
  double before[6][2];
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(images[i]->exists, 1) << i;
    before[i][0] = images[i]->x();
    before[i][1] = images[i]->y();
  }
  Move(b, 0, 0);  // the segment, the point on it and so every source goes
  RecomputeAll(doc);
  ASSERT_EQ(p->exists, 0);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(images[i]->exists, 0) << i;
    EXPECT_EQ(images[i]->x(), before[i][0]) << i;
    EXPECT_EQ(images[i]->y(), before[i][1]) << i;
  }
  Move(b, 4, 0);
  RecomputeAll(doc);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(images[i]->exists, 1) << i;
}

// Random figures: what every transformation must preserve.
class TransformProperties : public ::testing::Test {
 protected:
  std::mt19937 rng{20261208};
  double Coord() { return std::uniform_real_distribution<double>(-500, 500)(rng); }
  Element* RandomPoint(Document& doc) { return AddPoint(doc, Coord(), Coord()); }
};

TEST_F(TransformProperties, ReflectionAndInversionTwiceAreTheIdentity) {
  Document doc;
  std::vector<std::pair<Element*, Element*>> pairs;
  for (int i = 0; i < 200; ++i) {
    Element* a = RandomPoint(doc);
    Element* b = RandomPoint(doc);
    Element* axis = Add(doc, i % 2 ? kLineTwoPoints : kSegment, {a, b});
    Element* p = RandomPoint(doc);
    Element* once = Add(doc, kPointAxialSymmetry, {p, axis});
    pairs.emplace_back(p, Add(doc, kPointAxialSymmetry, {once, axis}));
    Element* centre = RandomPoint(doc);
    Element* central =
        Add(doc, kPointCentralSymmetry, {Add(doc, kPointCentralSymmetry, {p, centre}), centre});
    pairs.emplace_back(p, central);
    Element* circle = Add(doc, kCircleCentrePoint, {centre, RandomPoint(doc)});
    Element* inverted = Add(doc, kPointInversion, {circle, p});
    pairs.emplace_back(p, Add(doc, kPointInversion, {circle, inverted}));
  }
  RecomputeAll(doc);
  for (auto [p, back] : pairs) {
    ASSERT_EQ(back->exists, 1);
    EXPECT_NEAR(back->x(), p->x(), 1e-7);
    EXPECT_NEAR(back->y(), p->y(), 1e-7);
  }
}

TEST_F(TransformProperties, RotationKeepsDistancesHomothetyScalesThem) {
  Document doc;
  doc.angleUnit = 1;
  struct Case {
    Element *p, *q, *c, *rp, *rq, *hp, *hq;
    double k;
  };
  std::vector<Case> cases;
  for (int i = 0; i < 200; ++i) {
    Case s{};
    s.p = RandomPoint(doc);
    s.q = RandomPoint(doc);
    s.c = RandomPoint(doc);
    Element* angle = AddNumber(doc, std::uniform_real_distribution<double>(-720, 720)(rng));
    s.k = std::uniform_real_distribution<double>(-5, 5)(rng);
    Element* ratio = AddNumber(doc, s.k);
    s.rp = Add(doc, kPointRotation, {s.p, s.c, angle});
    s.rq = Add(doc, kPointRotation, {s.q, s.c, angle});
    s.hp = Add(doc, kPointHomothety, {s.p, s.c, ratio});
    s.hq = Add(doc, kPointHomothety, {s.q, s.c, ratio});
    cases.push_back(s);
  }
  RecomputeAll(doc);
  for (const Case& s : cases) {
    EXPECT_NEAR(Dist(s.rp, s.c), Dist(s.p, s.c), 1e-9);
    EXPECT_NEAR(Dist(s.rp, s.rq), Dist(s.p, s.q), 1e-9);
    EXPECT_NEAR(Dist(s.hp, s.hq), std::abs(s.k) * Dist(s.p, s.q), 1e-9);
    // The image stays on the line through the centre and the source.
    const double cross = (s.hp->x() - s.c->x()) * (s.p->y() - s.c->y()) -
                         (s.hp->y() - s.c->y()) * (s.p->x() - s.c->x());
    EXPECT_NEAR(cross, 0, 1e-6);
  }
}

// Images follow their sources through a drag: mark, move, recompute the marked elements.
TEST(TransformedPoints, FollowADraggedPoint) {
  Document doc;
  doc.angleUnit = 1;
  Element* p = AddPoint(doc, 3, 1);
  Element* c = AddPoint(doc, -1, 2);
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 2, 1);
  Element* axis = Add(doc, kLineTwoPoints, {a, b});
  Element* angle = AddNumber(doc, 30);
  Element* ratio = AddNumber(doc, -1.5);
  Element* circle = AddCircle(doc, 1, 1, 2);
  Element* central = Add(doc, kPointCentralSymmetry, {p, c});
  Element* axial = Add(doc, kPointAxialSymmetry, {p, axis});
  Element* moved = Add(doc, kPointTranslation, {p, a, b});
  Element* turned = Add(doc, kPointRotation, {p, c, angle});
  Element* scaled = Add(doc, kPointHomothety, {p, c, ratio});
  Element* inverse = Add(doc, kPointInversion, {circle, p});
  RecomputeAll(doc);
  ClearMarks(doc.elements());
  MarkDependents(doc, *p);
  EXPECT_EQ(c->mark, 0);
  const double cos30 = std::sqrt(3.0) / 2, sin30 = 0.5;
  for (auto [x, y] : {std::pair{5.0, -2.0}, {-4.0, 7.5}, {0.25, 0.5}}) {
    Move(p, x, y);
    RecomputeMarked(doc);
    SCOPED_TRACE(x);
    ExpectAt(central, -2 - x, 4 - y);
    // Reflection in y = x / 2, from the projection on its direction (2, 1) / sqrt 5.
    const double t = (2 * x + y) / 5;
    ExpectAt(axial, 2 * (2 * t) - x, 2 * t - y);
    ExpectAt(moved, x + 2, y + 1);
    const double dx = x + 1, dy = y - 2;
    ExpectAt(turned, -1 + dx * cos30 - dy * sin30, 2 + dx * sin30 + dy * cos30);
    ExpectAt(scaled, -1 - 1.5 * dx, 2 - 1.5 * dy);
    const double ox = x - 1, oy = y - 1, s = 4 / (ox * ox + oy * oy);
    ExpectAt(inverse, 1 + ox * s, 1 + oy * s);
  }
}

}  // namespace
}  // namespace velt
