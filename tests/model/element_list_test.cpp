#include "model/element_list.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "model/dependents.h"
#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::AddWithPicks;

TEST(KindTable, EveryKindHasATypeANameAndADragRuleThatFitsItsType) {
  std::set<std::string_view> names;
  std::set<int32_t> types;
  for (int32_t k = 0; k < kKindCount; ++k) {
    const int32_t type = TypeOfKind(k);
    ASSERT_GE(type, 0) << k;
    ASSERT_LT(type, kTypeCount) << k;
    types.insert(type);
    EXPECT_FALSE(DefaultKindName(k).empty()) << k;
    EXPECT_TRUE(names.insert(DefaultKindName(k)).second) << "named twice: " << k;
    switch (DragRuleOf(k)) {
      case DragRule::Itself:
      case DragRule::OnCarrier:
      case DragRule::OnGrid: EXPECT_EQ(type, kTypePoint) << k; break;
      case DragRule::Label: EXPECT_TRUE(IsTextLikeType(type)) << k; break;
      case DragRule::Direction: EXPECT_TRUE(IsStraightType(type)) << k; break;
      case DragRule::Radius: EXPECT_EQ(type, kTypeCircle) << k; break;
      case DragRule::MarkRadius: EXPECT_EQ(type, kTypeAngle) << k; break;
      case DragRule::NameOffset: EXPECT_EQ(type, kTypeName) << k; break;
      case DragRule::Text: EXPECT_EQ(type, kTypeText) << k; break;
      case DragRule::Picture: EXPECT_EQ(type, kTypeBitmap) << k; break;
      case DragRule::Ancestors: break;
    }
  }
  EXPECT_EQ(types.size(), static_cast<size_t>(kTypeCount));  // every type has a kind
  for (int32_t t = 0; t < kTypeCount; ++t) EXPECT_FALSE(DefaultTypeName(t).empty()) << t;
  EXPECT_EQ(TypeOfKind(kKindCount), -1);
  EXPECT_EQ(TypeOfKind(-1), -1);
  EXPECT_TRUE(DefaultKindName(99).empty());
  EXPECT_EQ(DragRuleOf(-1), DragRule::Ancestors);
}

TEST(Numbering, SubElementsFollowTheirOwner) {
  Document doc;
  Element* p = AddPoint(doc, 0, 0);
  Element* a = AddPoint(doc, 1, 0);
  Element* b = AddPoint(doc, 0, 1);
  // [free point, polygon of 3 vertices, axes, segment]; the polygon's vertices are p, a, b
  // which come first here, so the numbers shift by the two extra points.
  Element* poly = AddWithPicks(doc, kPolygon, {p, a, b, nullptr});
  Element* axes = Add(doc, kAxes, {p});
  Element* seg = Add(doc, kSegment, {p, a});
  Renumber(doc.elements());
  EXPECT_EQ(p->number, 1);
  EXPECT_EQ(poly->number, 4);
  auto& sides = poly->as<PolygonExt>()->sides;
  ASSERT_EQ(sides.size(), 3u);
  EXPECT_EQ(sides[0]->number, 5);
  EXPECT_EQ(sides[2]->number, 7);
  EXPECT_EQ(sides[2]->parent[0], b);
  EXPECT_EQ(sides[2]->parent[1], p);  // the last side closes back to the first vertex
  EXPECT_EQ(axes->number, 8);
  EXPECT_EQ(axes->as<AxesExt>()->yAxis->number, 10);
  EXPECT_EQ(seg->number, 11);
  EXPECT_EQ(CountWithSubElements(doc.elements()), 11);
  EXPECT_EQ(FindByNumber(doc.elements(), 6), sides[1].get());
  EXPECT_EQ(FindByNumber(doc.elements(), 12), nullptr);
}

TEST(Numbering, TheListOfTheExample) {
  // A free point, a polygon of three vertices, axes and a segment give 1, 2 (3, 4, 5),
  // 6 (7, 8), 9 when the vertices live in another list.
  Document other;
  Element* v1 = AddPoint(other, 0, 0);
  Element* v2 = AddPoint(other, 1, 0);
  Element* v3 = AddPoint(other, 1, 1);
  Document doc;
  Element* p = AddPoint(doc, 0, 0);
  Element* poly = AddWithPicks(doc, kPolygon, {v1, v2, v3});
  Element* axes = Add(doc, kAxes, {p});
  Element* seg = Add(doc, kSegment, {p, p});
  Renumber(doc.elements());
  EXPECT_EQ(p->number, 1);
  EXPECT_EQ(poly->number, 2);
  EXPECT_EQ(poly->as<PolygonExt>()->sides[2]->number, 5);
  EXPECT_EQ(axes->number, 6);
  EXPECT_EQ(axes->as<AxesExt>()->xAxis->number, 7);
  EXPECT_EQ(axes->as<AxesExt>()->yAxis->number, 8);
  EXPECT_EQ(seg->number, 9);
}

TEST(References, NumbersRoundTripAndBadNumbersGiveNull) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 3, 4);
  Element* poly = AddWithPicks(doc, kPolygon, {a, b, a});
  Element* onSide = Add(doc, kPointOnElement, {poly->as<PolygonExt>()->sides[1].get()});
  Element* seg = Add(doc, kSegment, {a, b});
  Element* name = Add(doc, kName, {seg});
  Renumber(doc.elements());
  StoreReferenceNumbers(doc.elements());
  EXPECT_EQ(onSide->parentNumber[0], 5);  // polygon is 3, its sides 4, 5, 6
  EXPECT_EQ(seg->parentNumber[1], 2);
  EXPECT_EQ(seg->parentNumber[2], -1);

  seg->parent = {};
  seg->parentNumber[0] = 99;  // names no element
  seg->parentNumber[1] = -1;
  onSide->parent[0] = nullptr;
  seg->nameElement = nullptr;
  EXPECT_EQ(ResolveReferences(doc.elements()), 0);
  EXPECT_EQ(seg->parent[0], nullptr);
  EXPECT_EQ(seg->parent[1], nullptr);
  EXPECT_EQ(onSide->parent[0], poly->as<PolygonExt>()->sides[1].get());
  EXPECT_EQ(seg->nameElement, name);
}

TEST(References, ForwardReferencesAreOrderedAndOnlyCyclesCut) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 1, 1);
  Element* seg = Add(doc, kSegment, {a, b});
  Renumber(doc.elements());
  StoreReferenceNumbers(doc.elements());
  a->parentNumber[0] = seg->number;           // a point built on a later element
  seg->parentNumber[0] = seg->number;         // on itself: a cycle
  seg->colourSourceNumber = seg->number + 5;  // unknown
  b->colourSourceNumber = seg->number;        // a colour source may come later
  EXPECT_EQ(ResolveReferences(doc.elements()), 1);
  EXPECT_EQ(a->parent[0], seg);
  EXPECT_EQ(seg->parent[0], nullptr);
  EXPECT_EQ(seg->parent[1], b);
  EXPECT_EQ(seg->colourSource, nullptr);
  EXPECT_EQ(b->colourSource, seg);
  // The point now follows the segment it was built on; b stays before both.
  ASSERT_EQ(doc.elements().size(), 3u);
  EXPECT_EQ(doc.elements()[0].get(), b);
  EXPECT_EQ(doc.elements()[1].get(), seg);
  EXPECT_EQ(doc.elements()[2].get(), a);
}

TEST(Create, DefaultsOfKindAndType) {
  Options opt;
  opt.decimals = 4;
  auto doc = MakeDocument(opt);
  CreationSettings s;
  s.options = &opt;
  ElementTemplate t;
  t.kind = kFreePoint;
  Element* p = MakeElementFromTemplate(*doc, t, s);
  EXPECT_EQ(p->colour, 255);
  EXPECT_EQ(p->decimals, 4);
  EXPECT_EQ(p->exists, 1);
  EXPECT_EQ(t.attr1, -1);  // the template was reset
  EXPECT_EQ(doc->modified, 1);

  t.kind = kDistancePointPoint;
  t.parent = {p, p, nullptr};
  Element* d = MakeElementFromTemplate(*doc, t, s);
  EXPECT_EQ(d->style, -1);
  EXPECT_EQ(d->attr1, 100);
  EXPECT_EQ(d->attr2, 100);
  ASSERT_TRUE(d->labelFont);
  EXPECT_EQ(d->colour, doc->numberFont.colour);
  EXPECT_EQ(d->attr3, 1);  // a length
  // Measurements show the unit of their value: an area, an angle, none for a slope; a
  // calculation is no measurement.
  for (auto [kind, dimension] : {std::pair{kAreaPolygon, 2},
                                 {kAngleValue, 3},
                                 {kSlope, 0},
                                 {kPerimeter, 1},
                                 {kEquationLine, 0}}) {
    t.kind = kind;
    t.parent = {p, p, nullptr};
    Element* m = MakeElementFromTemplate(*doc, t, s);
    EXPECT_EQ(m->attr3, dimension) << kind;
    EXPECT_EQ(m->attr1, 100) << kind;
    EXPECT_EQ(m->colour, doc->numberFont.colour) << kind;
  }
  t.kind = kCalculation;
  t.parent = {};
  EXPECT_NE(MakeElementFromTemplate(*doc, t, s)->attr1, 100);
  // Calculations, functions, coordinates and checks are written in the number font's colour,
  // not the black of their types' table entries that nothing lets the user change.
  doc->numberFont.colour = 0x40C0E0;
  for (int kind : {kCalculation, kFunction, kCoordinates, kCheckAligned}) {
    t.kind = kind;
    t.parent = {p, p, p};
    EXPECT_EQ(MakeElementFromTemplate(*doc, t, s)->colour, 0x40C0E0) << kind;
  }

  t.kind = kButtonMove;
  t.picks = {p};
  Element* btn = MakeElementFromTemplate(*doc, t, s);
  EXPECT_EQ(btn->style, 12632256);
  EXPECT_EQ(btn->attr2, 1);
  EXPECT_EQ(btn->as<ButtonExt>()->targets.size(), 1u);

  t.kind = kParameter;
  s.parameterValue = 2.6;
  Element* par = MakeElementFromTemplate(*doc, t, s);
  EXPECT_EQ(par->as<ParameterExt>()->minimum, -7);
  EXPECT_EQ(par->as<ParameterExt>()->maximum, 13);

  t.kind = kName;
  t.parent[0] = p;
  Element* nm = MakeElementFromTemplate(*doc, t, s);
  EXPECT_EQ(p->nameElement, nm);
  EXPECT_EQ(nm->attr1, 1);
  EXPECT_EQ(nm->labelFont->face, doc->nameFont.face);

  s.currentColour = 0x123456;
  t.kind = kSegment;
  EXPECT_EQ(MakeElementFromTemplate(*doc, t, s)->colour, 0x123456);
  t.kind = kIntersection;
  t.attr1 = 42;
  t.attr2 = 3;
  EXPECT_EQ(MakeElementFromTemplate(*doc, t, s)->attr2, 3);
}

TEST(Copy, DeepCopyKeepsNumbersAndRebuildsReferences) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 3, 4);
  Element* poly = AddWithPicks(doc, kPolygon, {a, b, a});
  Element* seg = Add(doc, kSegment, {a, poly->as<PolygonExt>()->sides[0].get()});
  seg->colourSource = b;
  doc.figure->traces.push_back(seg);
  doc.figure->animations.push_back({a, 1, 0, 7});
  auto copy = CopyFigure(*doc.figure);
  ASSERT_EQ(copy->elements.size(), 4u);
  Element* ca = copy->elements[0].get();
  Element* cpoly = copy->elements[2].get();
  Element* cseg = copy->elements[3].get();
  EXPECT_NE(ca, a);
  EXPECT_EQ(cseg->parent[0], ca);
  EXPECT_EQ(cseg->parent[1], cpoly->as<PolygonExt>()->sides[0].get());
  EXPECT_EQ(cpoly->as<PolygonExt>()->sides[0]->owner, cpoly);
  EXPECT_EQ(cseg->colourSource, copy->elements[1].get());
  EXPECT_EQ(cseg->number, seg->number);
  ASSERT_EQ(copy->traces.size(), 1u);
  EXPECT_EQ(copy->traces[0], cseg);
  EXPECT_EQ(copy->animations[0].element, ca);
  EXPECT_EQ(copy->animations[0].speed, 7);
}

TEST(Delete, DependentsGoAndNothingElse) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 1, 0);
  Element* c = AddPoint(doc, 5, 5);
  Element* seg = Add(doc, kSegment, {a, c});  // colour source comes later
  Element* line = Add(doc, kLineTwoPoints, {a, b});
  Element* mid = Add(doc, kMidpoint, {b, c});
  Element* on = Add(doc, kPointOnElement, {line});
  Element* name = Add(doc, kName, {line});
  Element* unrelated = Add(doc, kSegment, {b, c});
  Element* onSeg = Add(doc, kMidpoint, {seg, seg});
  seg->colourSource = on;  // colour driven by a dependent of a
  doc.figure->traces = {on, unrelated};
  doc.figure->animations = {{on}, {c}};
  // Deleting b takes the line, the midpoint, the point on the line, the name, the unrelated
  // segment (built on b), the segment coloured by the point on the line and what uses it.
  DeleteWithDependents(doc, *b);
  ASSERT_EQ(doc.elements().size(), 2u);
  EXPECT_EQ(doc.first(), a);
  EXPECT_EQ(doc.last(), c);
  EXPECT_TRUE(doc.figure->traces.empty());
  ASSERT_EQ(doc.figure->animations.size(), 1u);
  EXPECT_EQ(doc.figure->animations[0].element, c);
  (void)mid;
  (void)name;
  (void)onSeg;
}

TEST(Delete, LastAndOnlyElement) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 1, 0);
  Element* n = Add(doc, kName, {a});
  DeleteWithDependents(doc, *n);
  EXPECT_EQ(a->nameElement, nullptr);
  DeleteWithDependents(doc, *b);
  EXPECT_EQ(doc.last(), a);
  DeleteWithDependents(doc, *a);
  EXPECT_EQ(doc.first(), nullptr);
  EXPECT_EQ(doc.last(), nullptr);
}

TEST(Marks, ColourSourceRescanAndPolygonVertices) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* b = AddPoint(doc, 1, 0);
  Element* seg = Add(doc, kSegment, {b, b});
  Element* onSeg = Add(doc, kPointOnElement, {seg});
  Element* poly = AddWithPicks(doc, kPolygon, {b, a, onSeg});
  Element* c = AddPoint(doc, 9, 9);
  Element* calc = AddWithPicks(doc, kCalculation, {c});
  Element* after = Add(doc, kMidpoint, {poly->as<PolygonExt>()->sides[0].get(), c});
  seg->colourSource = a;  // a colours an earlier segment
  ClearMarks(doc.elements());
  MarkDependents(doc, *a);
  EXPECT_EQ(a->mark, 0);
  EXPECT_EQ(b->mark, 0);
  EXPECT_EQ(seg->mark, 1);
  EXPECT_EQ(onSeg->mark, 1);
  EXPECT_EQ(poly->mark, 1);
  EXPECT_EQ(poly->as<PolygonExt>()->sides[2]->mark, 1);
  EXPECT_EQ(after->mark, 1);
  EXPECT_EQ(c->mark, 0);
  EXPECT_EQ(calc->mark, 0);
  ClearMarks(doc.elements());
  c->mark = 1;  // a caller that recomputes c too
  MarkDependents(doc, *c);
  EXPECT_EQ(c->mark, 1);
  EXPECT_EQ(calc->mark, 1);
  EXPECT_EQ(seg->mark, 0);
}

TEST(Selection, SelectAllReachesSubElements) {
  Document doc;
  Element* a = AddPoint(doc, 0, 0);
  Element* axes = Add(doc, kAxes, {a});
  SetSelected(doc.elements(), 1);
  EXPECT_EQ(axes->as<AxesExt>()->xAxis->selected, 1);
  a->mark = 1;
  EXPECT_EQ(FirstMarked(doc.elements()), a);
  EXPECT_EQ(LastMarked(doc.elements()), a);
  EXPECT_EQ(FirstUnmarked(doc.elements()), axes);
  EXPECT_EQ(LastUnmarked(doc.elements()), axes);
  EXPECT_EQ(Previous(doc.elements(), axes), a);
  EXPECT_EQ(Previous(doc.elements(), a), nullptr);
}

}  // namespace
}  // namespace velt
