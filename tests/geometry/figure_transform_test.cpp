#include "geometry/figure_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/element_points.h"
#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/undo.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

std::vector<int32_t> Kinds(const std::vector<Element*>& es) {
  std::vector<int32_t> k;
  for (const Element* e : es) k.push_back(e->kind);
  return k;
}

std::vector<int32_t> Visibilities(const std::vector<Element*>& es) {
  std::vector<int32_t> v;
  for (const Element* e : es) v.push_back(e->visibility);
  return v;
}

void ExpectPoint(Pt actual, double x, double y, double tol = 1e-9) {
  EXPECT_NEAR(actual.x, x, tol);
  EXPECT_NEAR(actual.y, y, tol);
}

// A figure with a centre of symmetry at (1, 1) and the undo-free way a tool applies it.
class FigureTransform : public ::testing::Test {
 protected:
  Document doc;
  Element* centre = AddPoint(doc, 1, 1);

  std::vector<Element*> Apply(std::vector<Element*> objects, Transformation t) {
    RecomputeAll(doc);
    return TransformFigure(doc, objects, t, {});
  }
  std::vector<Element*> Symmetric(std::vector<Element*> objects) {
    return Apply(std::move(objects), {kPointCentralSymmetry, centre, nullptr});
  }
};

TEST_F(FigureTransform, PointTakesTheStyleButNotTheVisibility) {
  Element* p = AddPoint(doc, 3, 4);
  p->colour = 0x123456;
  p->style = 4;
  p->visibility = 0;
  const auto made = Symmetric({p});
  ASSERT_EQ(Kinds(made), (std::vector<int32_t>{kPointCentralSymmetry}));
  EXPECT_EQ(made[0]->parent[0], p);
  EXPECT_EQ(made[0]->parent[1], centre);
  EXPECT_EQ(made[0]->colour, 0x123456);
  EXPECT_EQ(made[0]->style, 4);
  EXPECT_EQ(made[0]->visibility, 1);
  ExpectPoint(PointA(*made[0]), -1, -2);
  EXPECT_EQ(doc.last(), made[0]);
}

TEST_F(FigureTransform, SegmentAndVectorMapBothEnds) {
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 2);
  b->visibility = 0;
  Element* seg = Add(doc, kSegment, {a, b});
  seg->colour = 0xFF;
  seg->style = 3;
  const auto made = Symmetric({seg});
  ASSERT_EQ(Kinds(made),
            (std::vector<int32_t>{kPointCentralSymmetry, kPointCentralSymmetry, kSegment}));
  // The images take the visibility of their sources; the new segment is shown.
  EXPECT_EQ(Visibilities(made), (std::vector<int32_t>{1, 0, 1}));
  EXPECT_EQ(made[0]->parent[0], a);
  EXPECT_EQ(made[1]->parent[0], b);
  EXPECT_EQ(made[2]->parent[0], made[0]);
  EXPECT_EQ(made[2]->parent[1], made[1]);
  EXPECT_EQ(made[2]->colour, 0xFF);
  EXPECT_EQ(made[2]->style, 3);
  ExpectPoint(PointA(*made[2]), 2, 2);
  ExpectPoint(PointB(*made[2]), -2, 0);

  Element* vec = Add(doc, kVector, {b, a});
  const auto fromVector = Symmetric({vec});
  EXPECT_EQ(Kinds(fromVector),
            (std::vector<int32_t>{kPointCentralSymmetry, kPointCentralSymmetry, kVector}));
  EXPECT_EQ(fromVector[0]->parent[0], b);
}

TEST_F(FigureTransform, LinesThroughTwoPointsKeepTheirKind) {
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 2, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* ray = Add(doc, kRayTwoPoints, {b, a});
  const auto fromLine = Symmetric({line});
  EXPECT_EQ(Kinds(fromLine),
            (std::vector<int32_t>{kPointCentralSymmetry, kPointCentralSymmetry, kLineTwoPoints}));
  EXPECT_EQ(Visibilities(fromLine), (std::vector<int32_t>{1, 0, 1}));
  const auto fromRay = Symmetric({ray});
  EXPECT_EQ(Kinds(fromRay),
            (std::vector<int32_t>{kPointCentralSymmetry, kPointCentralSymmetry, kRayTwoPoints}));
  EXPECT_EQ(fromRay[0]->parent[0], b);
  ExpectPoint(PointA(*fromRay[2]), 0, 2);
  ExpectPoint(PointB(*fromRay[2]), 2, 2);
}

TEST_F(FigureTransform, RotatedPerpendicularBisectorGetsFourHiddenPoints) {
  doc.angleUnit = 1;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* bisector = Add(doc, kPerpendicularBisector, {a, b});  // x = 2
  Element* angle = Add(doc, kParameter, {});
  angle->value[0] = 90;
  const auto made = Apply({bisector}, {kPointRotation, centre, angle});
  ASSERT_EQ(Kinds(made), (std::vector<int32_t>{kPointOnElement, kPointOnElement, kPointRotation,
                                               kPointRotation, kLineTwoPoints}));
  EXPECT_EQ(Visibilities(made), (std::vector<int32_t>{0, 0, 0, 0, 1}));
  EXPECT_EQ(made[0]->parent[0], bisector);
  EXPECT_EQ(made[0]->value[3], 10);
  EXPECT_EQ(made[1]->value[3], -10);
  EXPECT_EQ(made[2]->parent[0], made[0]);
  EXPECT_EQ(made[2]->parent[2], angle);
  // The line x = 2 turned a quarter about (1, 1) is the line y = 2.
  const Element& image = *made[4];
  EXPECT_EQ(image.exists, 1);
  EXPECT_NEAR(image.value[1], 2, 1e-9);
  EXPECT_NEAR(image.value[3], 2, 1e-9);
  EXPECT_NEAR(std::abs(image.value[0] - image.value[2]), 20, 1e-9);
}

TEST_F(FigureTransform, OtherLinesAndRaysKeepTheirPointAndGetASecondOne) {
  Element* p = AddPoint(doc, 3, 0);
  Element* q = AddPoint(doc, 3, 5);
  Element* vertical = Add(doc, kLineTwoPoints, {p, q});
  Element* through = AddPoint(doc, 0, 4);
  Element* parallel = Add(doc, kParallel, {vertical, through});        // point is parent2
  Element* ray = Add(doc, kRayThroughPoint, {through}, {0, 4, 1, 4});  // point is parent1
  const auto fromParallel = Symmetric({parallel});
  ASSERT_EQ(Kinds(fromParallel), (std::vector<int32_t>{kPointOnElement, kPointCentralSymmetry,
                                                       kPointCentralSymmetry, kLineTwoPoints}));
  EXPECT_EQ(Visibilities(fromParallel), (std::vector<int32_t>{0, 1, 0, 1}));
  EXPECT_EQ(fromParallel[0]->value[3], 10);
  EXPECT_EQ(fromParallel[1]->parent[0], through);
  EXPECT_EQ(fromParallel[2]->parent[0], fromParallel[0]);
  EXPECT_EQ(fromParallel[3]->parent[0], fromParallel[1]);
  EXPECT_EQ(fromParallel[3]->parent[1], fromParallel[2]);
  // x = 0 about (1, 1) is x = 2.
  EXPECT_NEAR(fromParallel[3]->value[0], 2, 1e-9);
  EXPECT_NEAR(fromParallel[3]->value[2], 2, 1e-9);

  const auto fromRay = Symmetric({ray});
  ASSERT_EQ(Kinds(fromRay), (std::vector<int32_t>{kPointOnElement, kPointCentralSymmetry,
                                                  kPointCentralSymmetry, kRayTwoPoints}));
  // The point (0, 4) was mapped already by the first use, but each use is a run of its own.
  EXPECT_EQ(fromRay[1]->parent[0], through);
  // The ray from (0, 4) to the right becomes the ray from (2, -2) to the left.
  ExpectPoint(PointA(*fromRay[3]), 2, -2);
  EXPECT_LT(fromRay[3]->value[2], 2);
}

TEST_F(FigureTransform, AxisLineOfTheAxesIsALineThroughTheOriginsImage) {
  Element* origin = AddPoint(doc, 0, 0);
  Element* axes = Add(doc, kAxes, {origin});
  Element* yAxis = axes->as<AxesExt>()->yAxis.get();
  const auto made = Symmetric({yAxis});
  ASSERT_EQ(Kinds(made), (std::vector<int32_t>{kPointOnElement, kPointCentralSymmetry,
                                               kPointCentralSymmetry, kLineTwoPoints}));
  EXPECT_EQ(made[1]->parent[0], origin);
  ExpectPoint(PointA(*made[3]), 2, 2);
  EXPECT_NEAR(made[3]->value[2], 2, 1e-9);
}

TEST_F(FigureTransform, PolygonMapsEveryVertexAndKeepsItsFill) {
  Element* v[4] = {AddPoint(doc, 0, 0), AddPoint(doc, 3, 0), AddPoint(doc, 3, 2),
                   AddPoint(doc, 0, 2)};
  Element* polygon = AddWithPicks(doc, kPolygon, {v[0], v[1], v[2], v[3]});
  polygon->attr1 = 0x00FF00;  // filled green
  const auto made = Symmetric({polygon});
  ASSERT_EQ(made.size(), 5u);
  EXPECT_EQ(made[4]->kind, kPolygon);
  EXPECT_EQ(made[4]->attr1, 0x00FF00);
  const auto& sides = made[4]->as<PolygonExt>()->sides;
  ASSERT_EQ(sides.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(made[i]->parent[0], v[i]);
    EXPECT_EQ(sides[i]->parent[0], made[i]);
  }
  EXPECT_EQ(made[4]->exists, 1);
  ExpectPoint(PointA(*sides[2]), -1, 0);
}

TEST_F(FigureTransform, CirclesBecomeCirclesThroughAnImagePoint) {
  Element* c = AddPoint(doc, 4, 1);
  Element* fixed = Add(doc, kCircleCentre, {c}, {4, 1, 4, 4});  // radius 3
  Element* r1 = AddPoint(doc, 0, 5);
  Element* r2 = AddPoint(doc, 0, 7);
  Element* byRadius = Add(doc, kCircleRadius, {c, r1, r2});  // radius 2
  Element* q = AddPoint(doc, 4, 2);
  Element* byPoint = Add(doc, kCircleCentrePoint, {c, q});
  Element* ratio = Add(doc, kParameter, {});
  ratio->value[0] = -2;
  const Transformation homothety{kPointHomothety, centre, ratio};
  for (auto [circle, radius] : {std::pair{fixed, 3.0}, {byRadius, 2.0}}) {
    const auto made = Apply({circle}, homothety);
    ASSERT_EQ(Kinds(made), (std::vector<int32_t>{kPointOnElement, kPointHomothety, kPointHomothety,
                                                 kCircleCentrePoint}));
    EXPECT_EQ(Visibilities(made), (std::vector<int32_t>{0, 1, 0, 1}));
    EXPECT_EQ(made[0]->value[3], 1.0);
    EXPECT_EQ(made[1]->parent[0], c);
    EXPECT_EQ(made[2]->parent[0], made[0]);
    ExpectPoint(PointA(*made[3]), -5, 1);
    EXPECT_NEAR(Distance(PointA(*made[3]), PointB(*made[3])), 2 * radius, 1e-9);
  }
  const auto made = Apply({byPoint}, homothety);
  ASSERT_EQ(Kinds(made),
            (std::vector<int32_t>{kPointHomothety, kPointHomothety, kCircleCentrePoint}));
  EXPECT_EQ(Visibilities(made), (std::vector<int32_t>{1, 0, 1}));
  EXPECT_EQ(made[1]->parent[0], q);
  ExpectPoint(PointB(*made[2]), -5, -1);
}

TEST_F(FigureTransform, ArcAndConicMapTheirPoints) {
  Element* a = AddPoint(doc, 2, 0);
  Element* b = AddPoint(doc, 0, 2);
  Element* c = AddPoint(doc, -2, 0);
  Element* arc = Add(doc, kArc, {a, b, c});
  const auto fromArc = Symmetric({arc});
  ASSERT_EQ(Kinds(fromArc), (std::vector<int32_t>{kPointCentralSymmetry, kPointCentralSymmetry,
                                                  kPointCentralSymmetry, kArc}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(fromArc[3]->parent[i], fromArc[i]);
  ExpectPoint(PointA(*fromArc[3]), 2, 2);  // the centre (0, 0) about (1, 1)

  Element* d = AddPoint(doc, 0, -2);
  Element* e = AddPoint(doc, 1.2, 1.6);
  Element* conic = AddWithPicks(doc, kConic, {a, b, c, d, e});
  const auto fromConic = Symmetric({conic});
  ASSERT_EQ(fromConic.size(), 6u);
  EXPECT_EQ(fromConic[5]->kind, kConic);
  const auto& points = fromConic[5]->as<ConicExt>()->points;
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(fromConic[i]->kind, kPointCentralSymmetry);
    EXPECT_EQ(points[i], fromConic[i]);
  }
  EXPECT_EQ(fromConic[5]->exists, 1);
}

TEST_F(FigureTransform, AnglesNumbersTextsAndLociGiveNothing) {
  Element* a = AddPoint(doc, 2, 0);
  Element* v = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 0, 2);
  Element* angle = Add(doc, kAngleMark, {a, v, b});
  Element* number = Add(doc, kParameter, {});
  Element* text = Add(doc, kText, {});
  Element* seg = Add(doc, kSegment, {a, b});
  Element* on = Add(doc, kPointOnElement, {seg}, {0, 0, 0, 0.5});
  Element* locus = Add(doc, kLocus, {v, on});
  const size_t before = doc.elements().size();
  EXPECT_TRUE(Symmetric({angle, number, text, locus}).empty());
  EXPECT_EQ(doc.elements().size(), before);
}

TEST_F(FigureTransform, SelectionMapsASharedPointOnce) {
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* c = AddPoint(doc, 4, 3);
  Element* lone = AddPoint(doc, 7, 7);
  Element* ab = Add(doc, kSegment, {a, b});
  Element* triangle = AddWithPicks(doc, kPolygon, {a, b, c});
  Element* line = Add(doc, kLineTwoPoints, {c, a});  // a's image is hidden here...
  Element* number = Add(doc, kParameter, {});
  // Points first in the selection: they are mapped after every other element all the same.
  const auto made = Symmetric({a, lone, b, ab, number, triangle, line});
  ASSERT_EQ(Kinds(made), (std::vector<int32_t>{kPointCentralSymmetry, kPointCentralSymmetry,
                                               kSegment, kPointCentralSymmetry, kPolygon,
                                               kLineTwoPoints, kPointCentralSymmetry}));
  Element* imageA = made[0];
  Element* imageB = made[1];
  Element* imageC = made[3];
  EXPECT_EQ(imageA->parent[0], a);
  EXPECT_EQ(imageB->parent[0], b);
  EXPECT_EQ(imageC->parent[0], c);
  EXPECT_EQ(made[6]->parent[0], lone);
  const auto& sides = made[4]->as<PolygonExt>()->sides;
  EXPECT_EQ(sides[0]->parent[0], imageA);
  EXPECT_EQ(sides[1]->parent[0], imageB);
  EXPECT_EQ(sides[2]->parent[0], imageC);
  EXPECT_EQ(made[5]->parent[0], imageC);
  EXPECT_EQ(made[5]->parent[1], imageA);
  // ...but shown, because the segment showed it first.
  EXPECT_EQ(imageA->visibility, 1);
}

TEST_F(FigureTransform, HiddenImageIsShownWhenALaterElementShowsItsSource) {
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* seg = Add(doc, kSegment, {b, a});
  b->colour = 0xABCDEF;
  const auto made = Symmetric({line, seg});
  ASSERT_EQ(Kinds(made), (std::vector<int32_t>{kPointCentralSymmetry, kPointCentralSymmetry,
                                               kLineTwoPoints, kSegment}));
  EXPECT_EQ(made[1]->visibility, 1);
  EXPECT_EQ(made[1]->colour, 0xABCDEF);
}

TEST_F(FigureTransform, InversionMapsPointsOnly) {
  Element* o = AddPoint(doc, 0, 0);
  Element* q = AddPoint(doc, 4, 0);
  Element* circle = Add(doc, kCircleCentrePoint, {o, q});
  Element* p = AddPoint(doc, 0, 2);
  Element* r = AddPoint(doc, 2, 2);
  Element* seg = Add(doc, kSegment, {p, r});
  const auto made = Apply({seg, p, circle, r}, {kPointInversion, circle, nullptr});
  ASSERT_EQ(Kinds(made), (std::vector<int32_t>{kPointInversion, kPointInversion}));
  EXPECT_EQ(made[0]->parent[0], circle);
  EXPECT_EQ(made[0]->parent[1], p);
  ExpectPoint(PointA(*made[0]), 0, 8);
  ExpectPoint(PointA(*made[1]), 4, 4);
}

TEST_F(FigureTransform, TranslationByTwoPointsAndUnusableData) {
  Element* a = AddPoint(doc, 1, 1);
  Element* b = AddPoint(doc, 2, 3);
  Element* p = AddPoint(doc, 5, 5);
  const auto made = Apply({p}, {kPointTranslation, a, b});
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0]->parent[1], a);
  EXPECT_EQ(made[0]->parent[2], b);
  ExpectPoint(PointA(*made[0]), 6, 7);
  // A translation without its end point, or a kind that is no transformation, does nothing.
  const size_t before = doc.elements().size();
  EXPECT_TRUE(Apply({p}, {kPointTranslation, a, nullptr}).empty());
  EXPECT_TRUE(Apply({p}, {kMidpoint, a, b}).empty());
  EXPECT_EQ(doc.elements().size(), before);
}

TEST_F(FigureTransform, ImageFigureFollowsADrag) {
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* c = AddPoint(doc, 0, 3);
  Element* triangle = AddWithPicks(doc, kPolygon, {a, b, c});
  Element* circle = Add(doc, kCircleCentre, {b}, {4, 0, 4, 1});
  const auto made = Symmetric({triangle, circle});
  Element* imageTriangle = made[3];
  Element* imageCircle = made.back();
  ASSERT_EQ(imageTriangle->kind, kPolygon);
  ASSERT_EQ(imageCircle->kind, kCircleCentrePoint);
  ClearMarks(doc.elements());
  MarkDependents(doc, *b);
  b->value = {6, -2, 0, 0};
  RecomputeMarked(doc);
  ExpectPoint(PointA(*imageTriangle->as<PolygonExt>()->sides[1]), -4, 4);
  ExpectPoint(PointA(*imageCircle), -4, 4);
  EXPECT_NEAR(Distance(PointA(*imageCircle), PointB(*imageCircle)), 1, 1e-9);
  // Moving the centre moves the whole image.
  ClearMarks(doc.elements());
  MarkDependents(doc, *centre);
  centre->value = {0, 0, 0, 0};
  RecomputeMarked(doc);
  ExpectPoint(PointA(*imageCircle), -6, 2);
  ExpectPoint(PointA(*imageTriangle->as<PolygonExt>()->sides[2]), 0, -3);
}

TEST_F(FigureTransform, OneUndoStepRemovesTheWholeResult) {
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 4, 0);
  Element* c = AddPoint(doc, 0, 3);
  Element* triangle = AddWithPicks(doc, kPolygon, {a, b, c});
  Element* bisector = Add(doc, kPerpendicularBisector, {a, b});
  RecomputeAll(doc);
  const size_t before = doc.elements().size();
  StoreUndoStep(doc);
  const auto made = TransformFigure(doc, std::vector<Element*>{triangle, bisector, c},
                                    {kPointCentralSymmetry, centre, nullptr}, {});
  EXPECT_EQ(made.size(), 4u + 5u);
  EXPECT_EQ(doc.elements().size(), before + made.size());
  ASSERT_TRUE(Undo(doc));
  EXPECT_EQ(doc.elements().size(), before);
  EXPECT_FALSE(CanUndo(doc));
  ASSERT_TRUE(Redo(doc));
  EXPECT_EQ(doc.elements().size(), before + made.size());
  EXPECT_EQ(doc.last()->kind, kLineTwoPoints);
}

}  // namespace
}  // namespace velt
