// Recording and applying macros without a window: the numbering of a recording, the copies
// built on new picks, the expansion of initials, and the numbers a macro must not hold.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/recompute.h"
#include "io/macro_file.h"
#include "macros/macro_apply.h"
#include "macros/macro_check.h"
#include "macros/macro_expand.h"
#include "macros/macro_record.h"
#include "macros/macro_table.h"
#include "model/element_list.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

struct XY {
  double x, y;
};

// The circumcentre by the determinant formula.
XY Circumcentre(XY a, XY b, XY c) {
  const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
  return {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
          (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
}

// Three points, the bisectors of two sides and their crossing: the circumcentre.
struct CircumcentreFigure {
  Document doc;
  Element *a, *b, *c, *m1, *m2, *o;
  CircumcentreFigure() {
    a = AddPoint(doc, 0, 0);
    b = AddPoint(doc, 100, 0);
    c = AddPoint(doc, 0, 100);
    m1 = Add(doc, kPerpendicularBisector, {a, b});
    m2 = Add(doc, kPerpendicularBisector, {b, c});
    o = Add(doc, kIntersection, {m1, m2});
    o->attr1 = 0;
    RecomputeAll(doc);
  }
};

TEST(MacroRecording, TheCircumcentreIsNumberedFromTheInitialsOn) {
  CircumcentreFigure f;
  ASSERT_NEAR(f.o->x(), 50, 1e-9);
  ASSERT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.o}, "  circ  "), RecordStatus::Recorded);
  ASSERT_EQ(f.doc.macros.size(), 1u);
  const Macro& m = f.doc.macros[0];
  EXPECT_EQ(m.header.name, "circ") << "blanks are trimmed";
  EXPECT_EQ(m.header.parameters, (std::vector<int16_t>{kTypePoint, kTypePoint, kTypePoint}));
  ASSERT_EQ(m.elements.size(), 3u);
  EXPECT_EQ(m.elements[0]->number, 3);
  EXPECT_EQ(m.elements[0]->parentNumber, (std::array<int32_t, 3>{0, 1, -1}));
  EXPECT_EQ(m.elements[1]->parentNumber, (std::array<int32_t, 3>{1, 2, -1}));
  EXPECT_EQ(m.elements[2]->parentNumber, (std::array<int32_t, 3>{3, 4, -1}));
  EXPECT_EQ(m.elements[0]->visibility, 100) << "intermediates are never drawn";
  EXPECT_EQ(m.elements[2]->visibility, 1) << "finals keep their own visibility";
  for (const auto& e : m.elements) EXPECT_EQ(e->parent[0], nullptr) << "only numbers are kept";
  EXPECT_EQ(CheckMacro(m).fault, MacroFault::None);
  EXPECT_EQ(f.doc.modified, 1);
}

TEST(MacroApplying, TheCircumcentreOfThreeOtherPointsFollowsThem) {
  CircumcentreFigure f;
  ASSERT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.o}, "circ"), RecordStatus::Recorded);
  Element* d = AddPoint(f.doc, 200, -50);
  Element* e = AddPoint(f.doc, 300, -20);
  Element* g = AddPoint(f.doc, 250, 100);
  const size_t before = f.doc.elements().size();
  for (bool hide : {true, false}) {
    const ApplyResult r = ApplyMacro(f.doc, f.doc.macros[0], {d, e, g}, {hide, {7, 8}});
    ASSERT_EQ(r.status, ApplyStatus::Applied);
    RecomputeAll(f.doc);
    Element* centre = f.doc.last();
    EXPECT_EQ(centre->kind, kIntersection);
    EXPECT_EQ(r.first->parent[0], d);
    EXPECT_EQ(r.first->visibility, hide ? 100 : 1);
    const XY want = Circumcentre({200, -50}, {300, -20}, {250, 100});
    EXPECT_NEAR(centre->x(), want.x, 1e-9);
    EXPECT_NEAR(centre->y(), want.y, 1e-9);
    // Moving a pick moves the copy.
    d->value[0] = 180;
    RecomputeAll(f.doc);
    const XY moved = Circumcentre({180, -50}, {300, -20}, {250, 100});
    EXPECT_NEAR(centre->x(), moved.x, 1e-9);
    EXPECT_NEAR(centre->y(), moved.y, 1e-9);
    d->value[0] = 200;
  }
  EXPECT_EQ(f.doc.elements().size(), before + 6);
}

// A circle (centre O through P) and a point Q; the final is the midpoint of the centre and
// Q: the centre reaches the macro only through the expansion of the circle.
struct CircleFigure {
  Document doc;
  Element *o, *p, *circle, *q, *mid;
  CircleFigure(double ox, double oy, double qx, double qy) {
    o = AddPoint(doc, ox, oy);
    p = AddPoint(doc, ox + 30, oy);
    circle = Add(doc, kCircleCentrePoint, {o, p});
    q = AddPoint(doc, qx, qy);
    mid = Add(doc, kMidpoint, {o, q});
    RecomputeAll(doc);
  }
};

TEST(MacroExpansion, SegmentsCirclesAndArcsBringTheirPoints) {
  CircleFigure f(0, 0, 10, 10);
  Element* s = Add(f.doc, kSegment, {f.p, f.q});
  EXPECT_EQ(ExpandInitials({f.circle, f.q}), (std::vector<Element*>{f.circle, f.q, f.o}));
  EXPECT_EQ(ExpandInitials({s}), (std::vector<Element*>{s, f.p, f.q}));
  Element* arc = Add(f.doc, kArc, {f.o, f.p, f.q});
  EXPECT_EQ(ExpandInitials({arc}), (std::vector<Element*>{arc, f.o, f.p, f.q}));
}

TEST(MacroExpansion, ACircleAndAPointSurviveAFileAndApplyToTheSamePicks) {
  CircleFigure f(0, 0, 40, 20);
  ASSERT_EQ(RecordMacro(f.doc, {f.circle, f.q}, {f.mid}, "mid"), RecordStatus::Recorded);
  const Macro& m = f.doc.macros[0];
  // The parameters are what the user picks; the numbering counts the expanded initials.
  EXPECT_EQ(m.header.parameters, (std::vector<int16_t>{kTypeCircle, kTypePoint}));
  ASSERT_EQ(m.elements.size(), 1u);
  EXPECT_EQ(m.elements[0]->number, 3);
  EXPECT_EQ(m.elements[0]->parentNumber, (std::array<int32_t, 3>{2, 1, -1}));

  Macro loaded;
  ASSERT_EQ(ReadMacroBytes(MacroFileBytes(m), loaded), FileKind::Macro);
  CircleFigure g(100, -60, -20, 40);
  for (const Macro* which : {&m, static_cast<const Macro*>(&loaded)}) {
    ASSERT_EQ(ApplyMacro(g.doc, *which, {g.circle, g.q}, {}).status, ApplyStatus::Applied);
    RecomputeAll(g.doc);
    EXPECT_EQ(g.doc.last()->parent[0], g.o);
    EXPECT_NEAR(g.doc.last()->x(), 40, 1e-9);
    EXPECT_NEAR(g.doc.last()->y(), -10, 1e-9);
  }
}

TEST(MacroRecording, FinalsMustDependOnTheInitialsAndTheTableHoldsAHundred) {
  CircumcentreFigure f;
  Element* loose = AddPoint(f.doc, 5, 5);
  EXPECT_EQ(RecordMacro(f.doc, {f.a, f.b}, {loose}, "x"), RecordStatus::NotDependent);
  EXPECT_EQ(RecordMacro(f.doc, {f.a, f.b}, {f.m2}, "x"), RecordStatus::Recorded)
      << "a final needs only to depend on one initial";
  EXPECT_EQ(RecordMacro(f.doc, {f.a}, {f.a}, "x"), RecordStatus::NotDependent)
      << "an initial is not its own final";
  EXPECT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.o}, " \t "), RecordStatus::EmptyName);
  EXPECT_EQ(RecordMacro(f.doc, {}, {f.o}, "x"), RecordStatus::NoInitials);
  EXPECT_EQ(RecordMacro(f.doc, {f.a}, {}, "x"), RecordStatus::NoFinals);
  EXPECT_EQ(f.doc.macros.size(), 1u);
  while (f.doc.macros.size() < static_cast<size_t>(kMaxMacros))
    ASSERT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.o}, "c"), RecordStatus::Recorded);
  EXPECT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.o}, "c"), RecordStatus::TableFull);
  EXPECT_EQ(f.doc.macros.size(), static_cast<size_t>(kMaxMacros));

  const auto dependents = DependentsOfInitials(f.doc.elements(), {f.a});
  EXPECT_TRUE(dependents.count(f.m1) && dependents.count(f.o));
  EXPECT_FALSE(dependents.count(f.m2) || dependents.count(f.a) || dependents.count(loose));
}

TEST(MacroRecording, AnIntermediateNotReachedFromTheFinalsIsLeftOut) {
  CircumcentreFigure f;
  Element* extra = Add(f.doc, kMidpoint, {f.a, f.b});  // depends, but builds no final
  ASSERT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.m1}, "m"), RecordStatus::Recorded);
  ASSERT_EQ(f.doc.macros[0].elements.size(), 1u);
  EXPECT_EQ(f.doc.macros[0].elements[0]->kind, kPerpendicularBisector);
  EXPECT_EQ(extra->mark, 0) << "the walk leaves no marks behind";
}

TEST(MacroRecording, APolygonNumbersItsSidesAndAFinalBuiltOnASide) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 60, 0);
  Element* c = AddPoint(doc, 0, 60);
  Element* poly = test::AddWithPicks(doc, kPolygon, {a, b, c});
  Element* side = poly->as<PolygonExt>()->sides[1].get();  // b to c
  Element* mid = Add(doc, kMidpoint, {side->parent[0], side->parent[1]});
  Element* perp = Add(doc, kPerpendicular, {side, mid});
  RecomputeAll(doc);
  ASSERT_EQ(RecordMacro(doc, {a, b, c}, {perp}, "p"), RecordStatus::Recorded);
  const Macro& m = doc.macros[0];
  ASSERT_EQ(m.elements.size(), 3u);
  // The polygon is 3, its sides 4..6, the midpoint 7, the perpendicular 8 on side 5.
  EXPECT_EQ(m.elements[0]->number, 3);
  EXPECT_EQ(m.elements[0]->as<PolygonExt>()->sides[1]->number, 5);
  EXPECT_EQ(m.elements[0]->as<PolygonExt>()->sides[1]->parentNumber,
            (std::array<int32_t, 3>{1, 2, 3}));
  EXPECT_EQ(m.elements[2]->parentNumber, (std::array<int32_t, 3>{5, 7, -1}));
  Element* d = AddPoint(doc, 100, 100);
  Element* e = AddPoint(doc, 160, 100);
  Element* g = AddPoint(doc, 100, 160);
  ASSERT_EQ(ApplyMacro(doc, m, {d, e, g}, {}).status, ApplyStatus::Applied);
  RecomputeAll(doc);
  const Element& copy = *doc.last();
  ASSERT_TRUE(copy.parent[0] && copy.parent[0]->owner);
  EXPECT_EQ(copy.parent[0]->parent[0], e);
  EXPECT_EQ(copy.parent[0]->parent[1], g);
  EXPECT_EQ(copy.parent[0]->owner->parent[0], nullptr);
  EXPECT_EQ(copy.parent[0]->owner, doc.elements()[doc.elements().size() - 3].get());
}

// A macro of one midpoint of the two initials, with its stored numbers as given.
Macro MidpointMacro(std::array<int32_t, 3> parents, int32_t number = 2) {
  Macro m;
  m.header.name = "m";
  m.header.parameters = {kTypePoint, kTypePoint};
  auto e = NewElementOfKind(kMidpoint);
  e->number = number;
  e->parentNumber = parents;
  m.elements.push_back(std::move(e));
  return m;
}

TEST(MacroChecking, NumbersThatPointForwardToItselfOrOutsideAreRefusedAndNothingIsMade) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 10, 0);
  struct Case {
    Macro m;
    MacroFault fault;
  };
  Case cases[] = {
      {MidpointMacro({0, 2, -1}), MacroFault::ForwardReference},  // itself
      {MidpointMacro({0, 3, -1}), MacroFault::OutOfRange},        // past the last
      {MidpointMacro({0, -7, -1}), MacroFault::OutOfRange},
      {MidpointMacro({0, 1, -1}, 1), MacroFault::BadNumbering},  // inside the initials
      {MidpointMacro({0, 1, -1}), MacroFault::None},
  };
  // A second element that refers to a later one.
  Macro forward = MidpointMacro({0, 1, -1});
  forward.elements[0]->parentNumber[1] = 3;
  auto later = NewElementOfKind(kMidpoint);
  later->number = 3;
  later->parentNumber = {0, 1, -1};
  forward.elements.push_back(std::move(later));
  Macro gap = MidpointMacro({0, 1, -1});
  gap.elements.push_back(NewElementOfKind(kMidpoint));
  gap.elements.back()->number = 5;
  Macro badType = MidpointMacro({0, 1, -1});
  badType.header.parameters[1] = 99;
  Macro empty = MidpointMacro({0, 1, -1});
  empty.elements.clear();

  const size_t before = doc.elements().size();
  for (Case& c : cases) {
    EXPECT_EQ(CheckMacro(c.m).fault, c.fault);
    const ApplyResult r = ApplyMacro(doc, c.m, {a, b}, {});
    EXPECT_EQ(r.status == ApplyStatus::Applied, c.fault == MacroFault::None);
    EXPECT_EQ(r.fault, c.fault);
  }
  EXPECT_EQ(doc.elements().size(), before + 1) << "only the sound macro built something";
  for (auto [m, fault] : {std::pair{&forward, MacroFault::ForwardReference},
                          {&gap, MacroFault::BadNumbering},
                          {&badType, MacroFault::BadParameterType},
                          {&empty, MacroFault::Empty}}) {
    EXPECT_EQ(ApplyMacro(doc, *m, {a, b}, {}).fault, fault);
  }
  EXPECT_EQ(doc.elements().size(), before + 1);
}

TEST(MacroApplying, PicksOfTheWrongTypeOrCountBuildNothing) {
  CircumcentreFigure f;
  ASSERT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.o}, "circ"), RecordStatus::Recorded);
  const size_t before = f.doc.elements().size();
  const Macro& m = f.doc.macros[0];
  EXPECT_EQ(ApplyMacro(f.doc, m, {f.a, f.b, f.m1}, {}).status, ApplyStatus::WrongPicks);
  EXPECT_EQ(ApplyMacro(f.doc, m, {f.a, f.b}, {}).status, ApplyStatus::WrongPicks);
  EXPECT_EQ(ApplyMacro(f.doc, m, {f.a, f.b, nullptr}, {}).status, ApplyStatus::WrongPicks);
  // A recording whose numbering expects more expanded initials than the picks give.
  Macro shifted = MidpointMacro({0, 1, -1}, 4);
  EXPECT_EQ(ApplyMacro(f.doc, shifted, {f.a, f.b}, {}).status, ApplyStatus::PicksMismatch);
  EXPECT_EQ(f.doc.elements().size(), before);
}

}  // namespace
}  // namespace velt

namespace velt {
namespace {

TEST(MacroTable, RenamingRefusesEmptyAndUnchangedNamesAndCopiesAreDeep) {
  CircumcentreFigure f;
  ASSERT_EQ(RecordMacro(f.doc, {f.a, f.b, f.c}, {f.o}, "circ"), RecordStatus::Recorded);
  ASSERT_EQ(RecordMacro(f.doc, {f.a, f.b}, {f.m1}, "bis"), RecordStatus::Recorded);
  f.doc.modified = 0;
  EXPECT_FALSE(RenameMacro(f.doc, 0, "   "));
  EXPECT_FALSE(RenameMacro(f.doc, 0, " circ "));
  EXPECT_FALSE(RenameMacro(f.doc, 2, "x"));
  EXPECT_EQ(f.doc.modified, 0);
  EXPECT_TRUE(RenameMacro(f.doc, 0, " centre "));
  EXPECT_EQ(f.doc.macros[0].header.name, "centre");
  EXPECT_EQ(f.doc.modified, 1);

  Macro copy = CopyMacro(f.doc.macros[0]);
  EXPECT_TRUE(DeleteMacro(f.doc, 0));
  EXPECT_FALSE(DeleteMacro(f.doc, 1));
  ASSERT_EQ(f.doc.macros.size(), 1u);
  EXPECT_EQ(f.doc.macros[0].header.name, "bis");
  // The copy outlives the deleted macro and still applies.
  Element* d = AddPoint(f.doc, 10, 10);
  Element* e = AddPoint(f.doc, 70, 10);
  Element* g = AddPoint(f.doc, 10, 50);
  ASSERT_EQ(ApplyMacro(f.doc, copy, {d, e, g}, {}).status, ApplyStatus::Applied);
  RecomputeAll(f.doc);
  EXPECT_NEAR(f.doc.last()->x(), 40, 1e-9);
  EXPECT_NEAR(f.doc.last()->y(), 30, 1e-9);
}

}  // namespace
}  // namespace velt
