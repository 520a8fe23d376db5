// A conic is found only along what is drawn of it: never along the jump between the
// branches of a hyperbola or its closing chord.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/conic_chords.h"
#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

using test::AddPoint;
using test::AddWithPicks;
using test::Bench;

// The hyperbola x y = 5000 through five of its points.
Element* AddHyperbola(Document& doc) {
  Element* conic =
      AddWithPicks(doc, kConic,
                   {AddPoint(doc, 50, 100), AddPoint(doc, 100, 50), AddPoint(doc, 25, 200),
                    AddPoint(doc, -50, -100), AddPoint(doc, -100, -50)});
  RecomputeAll(doc);
  return conic;
}

TEST(ConicDetection, HyperbolaIsNotFoundAtItsCentre) {
  Bench b;
  Element* conic = AddHyperbola(b.doc());
  ASSERT_EQ(conic->exists, 1);
  ASSERT_EQ(conic->as<ConicExt>()->data.conicClass, kConicHyperbola);
  const size_t before = b.Count();
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(0, 0);  // 100 units from either vertex (70.7, 70.7), (-70.7, -70.7)
  ASSERT_EQ(b.Count(), before + 1);
  EXPECT_EQ(b.Last()->kind, kFreePoint);
  EXPECT_NEAR(b.Last()->x(), 0, 1e-9);
  EXPECT_NEAR(b.Last()->y(), 0, 1e-9);
}

TEST(ConicDetection, PointOnHyperbolaLandsWhereClicked) {
  Bench b;
  Element* conic = AddHyperbola(b.doc());
  b.ix.SelectTool(Tool::B_Punto);
  b.Click(100, 52);  // 2 units above (100, 50); the curve there runs at slope -1/2
  ASSERT_EQ(b.Last()->kind, kPointOnElement);
  EXPECT_EQ(b.Last()->parent[0], conic);
  const Element& p = *b.Last();
  EXPECT_NEAR(p.x() * p.y(), 5000, 1);
  EXPECT_LT(std::hypot(p.x() - 100, p.y() - 52), 3);
}

TEST(ConicDetection, BranchJointAndClosingChordAreNotDrawn) {
  Document doc;
  const ConicData& k = AddHyperbola(doc)->as<ConicExt>()->data;
  ASSERT_EQ(k.sx.size(), static_cast<size_t>(kConicSamples));
  EXPECT_FALSE(IsDrawnConicChord(k, 59));   // S59 -> S60, across the centre
  EXPECT_FALSE(IsDrawnConicChord(k, 119));  // S119 -> S0
  EXPECT_TRUE(IsDrawnConicChord(k, 30));    // at the vertex
  for (const ConicPiece& p : DrawnConicPieces(k)) {
    // No drawn piece comes near the centre: the branches are 141 units apart.
    const double ax = k.sx[p.from], ay = k.sy[p.from], bx = k.sx[p.to], by = k.sy[p.to];
    const double len2 = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
    const double f = std::clamp(-(ax * (bx - ax) + ay * (by - ay)) / len2, 0.0, 1.0);
    EXPECT_GT(std::hypot(ax + f * (bx - ax), ay + f * (by - ay)), 90) << p.from << "-" << p.to;
  }
}

}  // namespace
}  // namespace velt
