// Graphs of user functions against their analytic curves in every angle unit, the
// continuity test at jumps, and the bounds of sampling.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <numbers>

#include "expr/calculation.h"
#include "expr/token_codes.h"
#include "geometry/graph_sampling.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kOx = 100, kOy = 50, kUnitX = 40, kUnitY = 30;

struct Plot {
  std::unique_ptr<Document> doc = MakeDocument(Options{});
  Element* axes = nullptr;
  explicit Plot(int32_t angleUnit = 0) {
    doc->angleUnit = angleUnit;
    axes = test::Add(*doc, kAxes, {test::AddPoint(*doc, kOx, kOy)});
    axes->as<AxesExt>()->xUnit = kUnitX;
    axes->as<AxesExt>()->yUnit = kUnitY;
  }
  Element* Function(const std::string& text, int32_t type,
                    std::initializer_list<Element*> refs = {}) {
    Element* f = test::AddWithPicks(*doc, kFunction, refs);
    EXPECT_TRUE(expr::DefineExpression(*f, text, type)) << text;
    return f;
  }
  Element* Graph(Element* f, double start, double end, int32_t n) {
    Element* g = test::Add(*doc, kFunctionGraph, {f, axes}, {start, end, 0, 0});
    g->as<SampleExt>()->sampleCount = n;
    RecomputeAll(*doc);
    return g;
  }
};

const SampleExt& S(const Element* g) { return *g->as<SampleExt>(); }

// The plane point of (X, Y) in the axes' units.
double PlaneX(double X) { return kOx + X * kUnitX; }
double PlaneY(double Y) { return kOy + Y * kUnitY; }

double TurnOf(int32_t unit) { return unit == 1 ? 360 : unit == 2 ? 400 : 2 * kPi; }

TEST(Graph, ParabolaLiesOnItsCurveAndIsJoined) {
  Plot p;
  Element* g = p.Graph(p.Function("X^2", expr::kYofX), -3, 3, 61);
  ASSERT_TRUE(g->exists);
  const SampleExt& s = S(g);
  ASSERT_EQ(s.x1.size(), 61u);
  for (int i = 0; i < 61; ++i) {
    const double x = -3 + 0.1 * i;
    EXPECT_NEAR(s.x1[i], PlaneX(x), 1e-9);
    EXPECT_NEAR(s.y1[i], PlaneY(x * x), 1e-9);
    if (i < 60) {
      EXPECT_TRUE(GraphStepJoined(*g, i)) << i;
    }
  }
}

TEST(Graph, SineOfYInEveryAngleUnit) {
  for (int32_t unit : {0, 1, 2}) {
    Plot p(unit);
    const double turn = TurnOf(unit);
    Element* g = p.Graph(p.Function("SIN(Y)", expr::kXofY), 0, turn, 73);
    const SampleExt& s = S(g);
    for (int i = 0; i < 73; ++i) {
      const double y = turn * i / 72;
      EXPECT_NEAR(s.x1[i], PlaneX(std::sin(y * 2 * kPi / turn)), 1e-9) << unit << ' ' << i;
      EXPECT_NEAR(s.y1[i], PlaneY(y), 1e-9);
      if (i < 72) {
        EXPECT_TRUE(GraphStepJoined(*g, i)) << unit << ' ' << i;
      }
    }
  }
}

TEST(Graph, ConstantPolarRadiusIsACircleInEveryAngleUnit) {
  for (int32_t unit : {0, 1, 2}) {
    Plot p(unit);
    p.axes->as<AxesExt>()->yUnit = kUnitX;  // equal units: a circle, not an ellipse
    const double turn = TurnOf(unit);
    Element* g = p.Graph(p.Function("2", expr::kRofW), 0, turn, 49);
    const SampleExt& s = S(g);
    for (int i = 0; i < 49; ++i) {
      const double angle = 2 * kPi * i / 48;
      EXPECT_NEAR(s.x1[i], kOx + 2 * kUnitX * std::cos(angle), 1e-9) << unit << ' ' << i;
      EXPECT_NEAR(s.y1[i], kOy + 2 * kUnitX * std::sin(angle), 1e-9) << unit << ' ' << i;
      if (i < 48) {
        EXPECT_TRUE(GraphStepJoined(*g, i));
      }
    }
  }
}

TEST(Graph, AngleAsAFunctionOfTheRadiusInEveryAngleUnit) {
  for (int32_t unit : {0, 1, 2}) {
    Plot p(unit);
    // The spiral turns an eighth of a turn for every unit of radius.
    const char* eighth = unit == 1 ? "R*45" : unit == 2 ? "R*50" : "R*PI/4";
    Element* g = p.Graph(p.Function(eighth, expr::kWofR), 0, 4, 41);
    const SampleExt& s = S(g);
    for (int i = 0; i < 41; ++i) {
      const double r = 0.1 * i, w = kPi / 4 * r;
      EXPECT_NEAR(s.x1[i], PlaneX(r * std::cos(w)), 1e-6) << unit << ' ' << i;
      EXPECT_NEAR(s.y1[i], PlaneY(r * std::sin(w)), 1e-6) << unit << ' ' << i;
    }
  }
}

TEST(Graph, TangentJumpsAreNotJoined) {
  Plot p;
  Element* g = p.Graph(p.Function("TAN(X)", expr::kYofX), -3, 3, 101);
  const SampleExt& s = S(g);
  int breaks = 0;
  for (int i = 0; i < 100; ++i) {
    const double a = s.params[i], b = s.params[i + 1];
    const bool crossesPole = (a < -kPi / 2 && b > -kPi / 2) || (a < kPi / 2 && b > kPi / 2);
    EXPECT_EQ(GraphStepJoined(*g, i), !crossesPole) << a << ' ' << b;
    breaks += crossesPole;
  }
  EXPECT_EQ(breaks, 2);
}

TEST(Graph, ReciprocalBranchesStayApart) {
  Plot p;
  Element* g = p.Graph(p.Function("1/X", expr::kYofX), -5, 5, 100);
  for (int i = 0; i < 99; ++i) EXPECT_EQ(GraphStepJoined(*g, i), i != 49) << i;
  // An odd count puts a sample on the pole: it has no value and nothing reaches it.
  Element* h = p.Graph(p.Function("1/X", expr::kYofX), -5, 5, 101);
  EXPECT_EQ(S(h).colours[50], kLocusGap);
  EXPECT_GT(S(h).y1[50], 1e8);
  EXPECT_FALSE(GraphStepJoined(*h, 49));
  EXPECT_FALSE(GraphStepJoined(*h, 50));
  EXPECT_TRUE(GraphStepJoined(*h, 51));
}

TEST(Graph, SamplesFollowTheNumbersOfTheFunction) {
  Plot p;
  Element* k = test::Add(*p.doc, kParameter, {});
  k->value[0] = 2;
  k->attr1 = 100;
  Element* g = p.Graph(p.Function("A*X", expr::kYofX, {k}), 0, 1, 3);
  EXPECT_NEAR(S(g).y1[2], PlaneY(2), 1e-12);
  k->value[0] = -1;
  RecomputeAll(*p.doc);
  EXPECT_NEAR(S(g).y1[2], PlaneY(-1), 1e-12);
  k->attr1 = -100;  // the number lost its value: the function has none anywhere
  RecomputeAll(*p.doc);
  EXPECT_EQ(S(g).colours[0], kLocusGap);
  EXPECT_EQ(S(g).colours[2], kLocusGap);
}

TEST(Graph, OneSampleSamplesItsStart) {
  Plot p;
  Element* g = p.Graph(p.Function("X+1", expr::kYofX), 2, 7, 1);
  ASSERT_EQ(S(g).x1.size(), 1u);
  EXPECT_NEAR(S(g).x1[0], PlaneX(2), 1e-12);
  EXPECT_NEAR(S(g).y1[0], PlaneY(3), 1e-12);
}

TEST(Graph, HugeRadiusOfEitherSignIsNotDrawn) {
  Plot p;
  Element* g = p.Graph(p.Function("10000000*(2*SGN(W)-1)", expr::kRofW), -1, 1, 3);
  EXPECT_EQ(S(g).colours[0], kLocusGap);  // r = -1e7
  EXPECT_EQ(S(g).colours[2], kLocusGap);  // r = 1e7
  Element* w = p.Graph(p.Function("R", expr::kWofR), 0, 1, 2);
  EXPECT_NE(S(w).colours[1], kLocusGap);
}

TEST(Graph, CountAndRangeAreBoundedWhereverTheyComeFrom) {
  Plot p;
  Element* f = p.Function("X", expr::kYofX);
  Element* g = p.Graph(f, NAN, INFINITY, -5);
  EXPECT_EQ(S(g).sampleCount, kMinGraphSamples);
  g->as<SampleExt>()->sampleCount = 2'000'000'000;
  g->value[0] = -1e300;
  RecomputeAll(*p.doc);
  EXPECT_EQ(S(g).sampleCount, kMaxGraphSamples);
  EXPECT_EQ(S(g).params.front(), -kMaxGraphRange);
  EXPECT_EQ(S(g).params.back(), 10.0);  // an infinite end falls back to the default
}

TEST(Graph, ExistsOnlyWithItsFunctionAndAxes) {
  Plot p;
  Element* k = test::AddPoint(*p.doc, 0, 0);
  Element* d = test::Add(*p.doc, kDistancePointPoint, {k, k});
  Element* f = p.Function("X+A", expr::kYofX, {d});
  Element* g = p.Graph(f, 0, 1, 5);
  EXPECT_TRUE(g->exists);
  d->exists = 0;
  RecomputeElement(*f, RuleContext{p.doc.get()});
  RecomputeElement(*g, RuleContext{p.doc.get()});
  EXPECT_FALSE(f->exists);
  EXPECT_FALSE(g->exists);
}

TEST(Graph, ASetAbortFlagCancelsEveryEvaluation) {
  Plot p;
  Element* g = p.Graph(p.Function("X^2", expr::kYofX), 0, 1, 11);
  Element* a = test::Add(*p.doc, kParameter, {});
  a->value[0] = 3;
  a->attr1 = 100;
  Element* c = test::AddWithPicks(*p.doc, kCalculation, {a});
  ASSERT_TRUE(expr::DefineExpression(*c, "A*2", 0));
  RecomputeAll(*p.doc);
  EXPECT_EQ(c->value[0], 6);
  std::atomic<bool> abort{true};
  RecomputeAll(*p.doc, nullptr, false, nullptr, &abort);
  EXPECT_EQ(c->attr1, -100);
  for (int32_t colour : S(g).colours) EXPECT_EQ(colour, kLocusGap);
  abort = false;
  RecomputeAll(*p.doc, nullptr, false, nullptr, &abort);
  EXPECT_EQ(c->attr1, 100);
  EXPECT_NE(S(g).colours[5], kLocusGap);
}

}  // namespace
}  // namespace velt
