#include <gtest/gtest.h>

#include "geometry/intersection_codes.h"
#include "model/kinds.h"

namespace velt {
namespace {

void ExpectPlan(int32_t first, int32_t second, int s, int32_t code, bool swapped) {
  const auto plan = ClassifyIntersection(first, second, s);
  ASSERT_TRUE(plan) << first << "," << second << " s=" << s;
  EXPECT_EQ(plan->code, code) << first << "," << second << " s=" << s;
  EXPECT_EQ(plan->swapped, swapped) << first << "," << second << " s=" << s;
}

TEST(IntersectionCodes, StraightPairsPutTheLineBeforeTheSegmentBeforeTheRay) {
  ExpectPlan(kTypeLine, kTypeLine, 0, 0, false);
  ExpectPlan(kTypeSegment, kTypeLine, 0, 1, true);
  ExpectPlan(kTypeLine, kTypeVector, 0, 1, false);
  ExpectPlan(kTypeRay, kTypeLine, 0, 2, true);
  ExpectPlan(kTypeVector, kTypeSegment, 0, 3, false);
  ExpectPlan(kTypeRay, kTypeVector, 0, 4, true);
  ExpectPlan(kTypeRay, kTypeRay, 0, 5, false);
  EXPECT_FALSE(ClassifyIntersection(kTypeLine, kTypeLine, 1));
}

TEST(IntersectionCodes, CurvesComeFirstAndTheSolutionPicksTheCode) {
  ExpectPlan(kTypeLine, kTypeCircle, 0, 6, true);
  ExpectPlan(kTypeCircle, kTypeLine, 1, 7, false);
  ExpectPlan(kTypeVector, kTypeCircle, 1, 9, true);
  ExpectPlan(kTypeCircle, kTypeRay, 0, 10, false);
  ExpectPlan(kTypeCircle, kTypeCircle, 1, 13, false);
  ExpectPlan(kTypeRay, kTypeArc, 1, 19, true);
  ExpectPlan(kTypeArc, kTypeArc, 0, 20, false);
  ExpectPlan(kTypeArc, kTypeCircle, 0, 22, true);
  ExpectPlan(kTypeCircle, kTypeArc, 1, 23, false);
  ExpectPlan(kTypeSegment, kTypeConic, 1, 27, true);
  ExpectPlan(kTypeConic, kTypeConic, 3, 33, false);
  ExpectPlan(kTypeCircle, kTypeConic, 2, 36, true);
  ExpectPlan(kTypeConic, kTypeArc, 3, 41, false);
  EXPECT_FALSE(ClassifyIntersection(kTypeCircle, kTypeLine, 2));
  EXPECT_FALSE(ClassifyIntersection(kTypeConic, kTypeArc, 4));
  EXPECT_FALSE(ClassifyIntersection(kTypeConic, kTypeArc, -1));
}

TEST(IntersectionCodes, LociTakeAnyIndexAndOtherPairsNone) {
  ExpectPlan(kTypeCircle, kTypeLocus, 7, 42, false);
  ExpectPlan(kTypeLocus, kTypeLocus, 0, 42, false);
  EXPECT_EQ(IntersectionSolutionCount(kTypeLocus, kTypeRay), -1);
  for (int32_t other : {int32_t{kTypePoint}, int32_t{kTypePolygon}, int32_t{kTypeNumber},
                        int32_t{kTypeAngle}, -1, 99}) {
    EXPECT_FALSE(ClassifyIntersection(kTypeLine, other, 0)) << other;
    EXPECT_FALSE(ClassifyIntersection(other, kTypeLocus, 0)) << other;
    EXPECT_EQ(IntersectionSolutionCount(kTypeCircle, other), 0) << other;
  }
  EXPECT_EQ(IntersectionSolutionCount(kTypeRay, kTypeSegment), 1);
  EXPECT_EQ(IntersectionSolutionCount(kTypeArc, kTypeCircle), 2);
  EXPECT_EQ(IntersectionSolutionCount(kTypeCircle, kTypeConic), 4);
}

TEST(IntersectionCodes, SolutionIndexOfEveryCode) {
  // Each code read back from the classification gives the index it was made for.
  const int32_t types[] = {kTypeLine, kTypeRay, kTypeSegment, kTypeCircle, kTypeArc, kTypeConic};
  int seen = 0;
  for (int32_t a : types)
    for (int32_t b : types)
      for (int s = 0; s < IntersectionSolutionCount(a, b); ++s) {
        const auto plan = ClassifyIntersection(a, b, s);
        ASSERT_TRUE(plan);
        EXPECT_EQ(SolutionIndexOfCode(plan->code), s) << plan->code;
        ++seen;
      }
  // 36 ordered pairs: 9 straight (1 each), 16 circle or arc and 6 conic-straight (2 each), 5
  // conic-curve (4 each).
  EXPECT_EQ(seen, 73);
  EXPECT_EQ(SolutionIndexOfCode(42), -1);
  EXPECT_EQ(SolutionIndexOfCode(-3), -1);
}

}  // namespace
}  // namespace velt
