// Tools whose picks, parents and previews went wrong once: each case fails on that code.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/element_points.h"
#include "geometry/recompute.h"
#include "io/document_file.h"
#include "model/element_list.h"
#include "support/builders.h"
#include "ui/fake_host.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::Bench;

constexpr double kPi = std::numbers::pi;

TEST(ToolCircleByRadius, TwoRadiusPointsThenTheCentre) {
  Bench b;
  b.ix.SelectTool(Tool::B_Circ2pr);
  b.Click(0, 0);
  b.Click(30, 0);
  b.Click(200, 100);
  ASSERT_EQ(b.Count(), 4u);
  Element* circle = b.Last();
  ASSERT_EQ(circle->kind, kCircleRadius);
  EXPECT_EQ(circle->parent[0], b.At(2));  // the centre, picked last
  EXPECT_EQ(circle->parent[1], b.At(0));
  EXPECT_EQ(circle->parent[2], b.At(1));
  EXPECT_DOUBLE_EQ(circle->value[0], 200);
  EXPECT_DOUBLE_EQ(circle->value[1], 100);
  EXPECT_DOUBLE_EQ(Distance(PointA(*circle), PointB(*circle)), 30);
}

TEST(Previews, ArcAndAngleMarkAreDrawnAsWhatTheyBuild) {
  Bench b;
  b.ix.SelectTool(Tool::B_arco3p);
  b.Click(100, 0);
  b.Move(0, 100);
  {
    // One point so far: the chord towards the pointer.
    auto p = b.ix.Preview();
    ASSERT_EQ(p.drawn.size(), 1u);
    EXPECT_EQ(p.drawn[0]->kind, kSegment);
  }
  b.Click(0, 100);
  b.Move(-100, 0);
  {
    // Two points: the arc through them and the pointer, on the circle of radius 100 about
    // the origin.
    auto p = b.ix.Preview();
    ASSERT_EQ(p.drawn.size(), 1u);
    const Element& arc = *p.drawn[0];
    EXPECT_EQ(arc.kind, kArc);
    EXPECT_TRUE(arc.exists);
    EXPECT_NEAR(arc.value[0], 0, 1e-9);
    EXPECT_NEAR(arc.value[1], 0, 1e-9);
    EXPECT_EQ(arc.parent[0], b.At(0));
    EXPECT_EQ(arc.parent[1], b.At(1));
    EXPECT_NEAR(arc.parent[2]->x(), -100, 1e-9);
  }

  b.ix.SelectTool(Tool::B_Angulo);
  b.Click(100, 0);
  b.Click(0, 0);
  b.Move(0, 50);
  auto p = b.ix.Preview();
  const Element* mark = nullptr;
  int arms = 0;
  for (const auto& e : p.drawn) {
    if (e->kind == kAngleMark) mark = e.get();
    arms += e->kind == kSegment;
  }
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(arms, 2);
  EXPECT_NEAR(mark->value[0], kPi / 2, 1e-12);  // the quarter turn from P1 to the pointer
  EXPECT_GT(mark->value[2], 0);                 // the radius of its small arc
  EXPECT_EQ(mark->colour, b.doc().typeColours[kTypeAngle]);
}

// Every element comes after the elements it is built on.
void ExpectParentsFirst(Document& d) {
  auto& list = d.elements();
  for (size_t i = 0; i < list.size(); ++i)
    ForEachStructuralParent(*list[i], [&](const Element* p) {
      const Element* top = p && p->owner ? p->owner : p;
      if (top) {
        EXPECT_LT(IndexOf(list, top), static_cast<std::ptrdiff_t>(i)) << i;
      }
    });
}

TEST(ToolRedefine, ACarrierMadeLaterTakesThePointAndWhatIsBuiltOnIt) {
  Bench b;
  Element* p = AddPoint(b.doc(), 0, 100);
  Element* q = AddPoint(b.doc(), 100, 100);
  Element* mid = Add(b.doc(), kMidpoint, {p, q}, {50, 100, 0, 0});
  Element* a = AddPoint(b.doc(), -100, -100);
  Element* c = AddPoint(b.doc(), 100, -100);
  Element* line = Add(b.doc(), kLineTwoPoints, {a, c}, {-100, -100, 100, -100});
  b.ix.SelectTool(Tool::B_redefpun);
  b.Click(0, 100);
  b.Click(50, -101);
  EXPECT_TRUE(b.host.messages.empty());
  // The point and its midpoint move behind the line, in their order; the rest keeps its own.
  ASSERT_EQ(b.Count(), 6u);
  const std::vector<Element*> order = {b.At(0), b.At(1), b.At(2), b.At(3), b.At(4), b.At(5)};
  EXPECT_EQ(order, (std::vector<Element*>{q, a, c, line, p, mid}));
  EXPECT_EQ(p->kind, kPointOnElement);
  EXPECT_EQ(p->parent[0], line);
  EXPECT_NEAR(p->x(), 50, 1e-9);
  EXPECT_NEAR(p->y(), -100, 1e-9);
  EXPECT_NEAR(mid->x(), 75, 1e-9);  // recomputed from the moved point
  EXPECT_NEAR(mid->y(), 0, 1e-9);
  ExpectParentsFirst(b.doc());

  // Saved and read back, the construction is the same and computes the same.
  const std::string bytes = DocumentFileBytes(b.doc());
  DocumentLoad back = ReadDocumentBytes(bytes, b.ws.options);
  ASSERT_TRUE(back.document);
  Document& d = *back.document;
  ASSERT_EQ(d.elements().size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(d.elements()[i]->kind, b.At(i)->kind) << i;
    for (int k = 0; k < 3; ++k) {
      const Element* want = b.At(i)->parent[k];
      const Element* got = d.elements()[i]->parent[k];
      ASSERT_EQ(want == nullptr, got == nullptr) << i;
      if (want) {
        EXPECT_EQ(IndexOf(d.elements(), got), IndexOf(b.doc().elements(), want)) << i;
      }
    }
  }
  RecomputeAll(d);
  EXPECT_NEAR(d.elements()[5]->x(), 75, 1e-9);
  EXPECT_NEAR(d.elements()[4]->y(), -100, 1e-9);

  // One undo brings the old order and the free point back.
  b.ix.UndoCommand();
  EXPECT_EQ(b.At(0)->kind, kFreePoint);
  EXPECT_EQ(b.At(2)->kind, kMidpoint);
}

TEST(ArrowKeys, MoveSelectedTextsLabelsAndNamesNotTheirGeometry) {
  Bench b;
  Element* p = AddPoint(b.doc(), 10, 10);
  Element* q = AddPoint(b.doc(), 110, 10);
  Element* name = Add(b.doc(), kName, {p}, {5, 5, 0, 0});
  Element* text = Add(b.doc(), kText, {}, {0, 0, 100, 50});
  Element* distance = Add(b.doc(), kDistancePointPoint, {p, q}, {0, 0, 60, -40});
  name->selected = text->selected = distance->selected = 1;
  b.ix.KeyDown(Key::Right, {});
  b.ix.KeyDown(Key::Right, {});
  b.ix.KeyDown(Key::Up, {.shift = false, .ctrl = true});  // 3 units with Ctrl
  b.ix.KeyUp(Key::Up);
  EXPECT_EQ(text->as<TextExt>()->x, 102);
  EXPECT_EQ(text->as<TextExt>()->y, 53);  // up is +y
  EXPECT_DOUBLE_EQ(name->value[0], 7);
  EXPECT_DOUBLE_EQ(name->value[1], 8);
  EXPECT_DOUBLE_EQ(distance->value[2], 62);
  EXPECT_DOUBLE_EQ(distance->value[3], -37);
  // The geometry stays.
  EXPECT_DOUBLE_EQ(p->x(), 10);
  EXPECT_DOUBLE_EQ(p->y(), 10);
  EXPECT_DOUBLE_EQ(q->x(), 110);
  // One step for the run.
  b.ix.UndoCommand();
  EXPECT_EQ(b.At(3)->as<TextExt>()->x, 100);
  EXPECT_DOUBLE_EQ(b.At(2)->value[0], 5);
}

// The drawn box of names and labels, as the window would report it: 20 x 10 units from the
// label's position.
std::optional<Box> TestBoxes(const Element& e) {
  Pt at;
  if (e.kind == kName && e.parent[0]) {
    at = PointA(*e.parent[0]) + PointA(e);
  } else if (DragRuleOf(e.kind) == DragRule::Label) {
    at = PointB(e);
  } else {
    return std::nullopt;
  }
  return Box{at.x, at.y + 10, at.x + 20, at.y};
}

TEST(Drag, ElementsThatMoveThemselvesAreMovedThemselves) {
  Bench b;
  b.ix.SetBoxOf(TestBoxes);
  Element* p = AddPoint(b.doc(), 0, 0);
  Element* line = Add(b.doc(), kLineThroughPoint, {p}, {0, 0, 100, 0});
  Element* c = AddPoint(b.doc(), 0, -200);
  Element* circle = Add(b.doc(), kCircleCentre, {c}, {0, -200, 0, -150});
  RecomputeAll(b.doc());

  // The line turns about its point towards the pointer.
  b.Drag({{150, 2}, {150, 80}, {150, 150}});
  EXPECT_DOUBLE_EQ(p->x(), 0);
  EXPECT_DOUBLE_EQ(p->y(), 0);
  EXPECT_NEAR(line->value[3] / line->value[2], 1, 1e-12);  // through (150, 150)
  // The circle keeps its centre and reaches the pointer.
  b.Drag({{0, -151}, {0, -120}, {80, -140}});
  EXPECT_DOUBLE_EQ(c->x(), 0);
  EXPECT_DOUBLE_EQ(c->y(), -200);
  EXPECT_NEAR(Distance(PointA(*circle), PointB(*circle)), 100, 1e-9);
}

TEST(Drag, AngleMarksNamesAndLabelsMoveThemselves) {
  Bench b;
  b.ix.SetBoxOf(TestBoxes);
  Element* p1 = AddPoint(b.doc(), 100, 0);
  Element* v = AddPoint(b.doc(), 0, 0);
  Element* p3 = AddPoint(b.doc(), 0, 100);
  Element* mark = Add(b.doc(), kAngleMark, {p1, v, p3});
  Element* named = AddPoint(b.doc(), -200, -200);
  Element* name = Add(b.doc(), kName, {named}, {10, 10, 0, 0});
  Element* far = AddPoint(b.doc(), 200, -200);
  Element* label = Add(b.doc(), kDistancePointPoint, {named, far}, {0, 0, 0, 150});
  RecomputeAll(b.doc());
  ASSERT_DOUBLE_EQ(mark->value[2], 13);  // 0.13 of the shorter arm

  // The mark's arc follows the pointer, its points stay.
  const double r0 = 13 / std::sqrt(2.0);
  b.Drag({{r0, r0}, {20, 20}, {30 / std::sqrt(2.0), 30 / std::sqrt(2.0)}});
  EXPECT_NEAR(mark->value[2], 30, 1e-9);
  EXPECT_DOUBLE_EQ(v->x(), 0);
  EXPECT_DOUBLE_EQ(p1->x(), 100);

  // The name's offset follows the pointer up to the name distance (50 units).
  b.Drag({{-180, -185}, {-160, -185}, {-140, -185}});
  const double k = 50 / std::hypot(50.0, 10.0);
  EXPECT_NEAR(name->value[0], 50 * k, 1e-9);
  EXPECT_NEAR(name->value[1], 10 * k, 1e-9);
  EXPECT_DOUBLE_EQ(named->x(), -200);
  EXPECT_DOUBLE_EQ(named->y(), -200);

  // The measurement's label moves, its points stay.
  b.Drag({{5, 155}, {25, 155}, {45, 135}});
  EXPECT_DOUBLE_EQ(label->value[2], 40);
  EXPECT_DOUBLE_EQ(label->value[3], 130);
  EXPECT_DOUBLE_EQ(far->x(), 200);
}

TEST(Selection, RectangleSelectsConicsAngleMarksAndLoci) {
  Bench b;
  // A circle-like conic through five points on the circle of radius 100 about (300, 0).
  std::vector<Element*> five;
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * kPi * i / 5;
    five.push_back(AddPoint(b.doc(), 300 + 100 * std::cos(a), 100 * std::sin(a)));
  }
  ElementTemplate t;
  t.kind = kConic;
  t.picks = five;
  Element* conic = MakeElementFromTemplate(b.doc(), t, {});
  Element* p1 = AddPoint(b.doc(), -100, 0);
  Element* v = AddPoint(b.doc(), -200, 0);
  Element* p3 = AddPoint(b.doc(), -200, 100);
  Element* mark = Add(b.doc(), kAngleMark, {p1, v, p3});
  Element* locus = Add(b.doc(), kLocus, {});
  auto* samples = locus->as<SampleExt>();
  ASSERT_NE(samples, nullptr);
  for (int i = 0; i <= 10; ++i) {
    samples->x1.push_back(-50 + 10 * i);
    samples->y1.push_back(-250);
    samples->colours.push_back(0);
  }
  RecomputeAll(b.doc());
  locus->exists = 1;  // its samples are set by hand here
  ASSERT_TRUE(conic->exists);
  ASSERT_TRUE(mark->exists);

  // A rectangle across the conic's left side only (its points lie outside it).
  b.Drag({{190, -20}, {205, 20}});
  EXPECT_TRUE(conic->selected);
  EXPECT_FALSE(mark->selected);
  // A rectangle over the mark's arc, off its arms and points.
  b.Drag({{-183, 16}, {-193, 5}});
  EXPECT_TRUE(mark->selected);
  EXPECT_FALSE(conic->selected);
  EXPECT_FALSE(v->selected);
  // A rectangle across the locus' path between two samples.
  b.Drag({{-46, -265}, {-43, -245}});
  EXPECT_TRUE(locus->selected);
  // A rectangle inside the conic meets nothing of it.
  b.Drag({{290, -10}, {310, 10}});
  EXPECT_FALSE(conic->selected);
}

TEST(EditTools, ColourOnTheSelectionColoursTheRunsOfTexts) {
  Bench b;
  Element* text = Add(b.doc(), kText, {}, {0, 0, 100, 50});
  auto* x = text->as<TextExt>();
  x->runs.resize(2);
  x->runs[0].font.colour = 0x112233;
  x->runs[1].font.colour = 0x445566;
  text->selected = 1;
  b.ix.SetCurrentColour(0x00FF00, false);
  ASSERT_EQ(b.ix.tool(), Tool::Sel);  // applied to the selection at once
  Element* after = b.At(0);           // the list the undo step left
  EXPECT_EQ(after->colour, 0x00FF00);
  for (const auto& r : after->as<TextExt>()->runs) EXPECT_EQ(r.font.colour, 0x00FF00);
  EXPECT_EQ(after->as<TextExt>()->font.colour, 0x00FF00);
}

}  // namespace
}  // namespace velt
