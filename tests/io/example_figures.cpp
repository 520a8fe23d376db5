#include "io/example_figures.h"

#include "expr/calculation.h"
#include "geometry/figure_transform.h"
#include "geometry/recompute.h"
#include "support/builders.h"

namespace velt::test {
namespace {

Element* Name(Document& d, Element* target, const char* text) {
  Element* n = Add(d, kName, {target});
  n->as<NameExt>()->text = text;
  n->as<NameExt>()->placement = {8, 8, 0, 0};
  return n;
}

Element* Intersection(Document& d, Element* a, Element* b, int32_t code) {
  ElementTemplate t;
  t.kind = kIntersection;
  t.parent = {a, b, nullptr};
  t.attr1 = code;
  return MakeElementFromTemplate(d, t, {});
}

// A triangle with the midpoints of its sides, two perpendicular bisectors meeting in the
// circumcentre, the circumcircle through the first vertex, and a point P on the side AB.
std::unique_ptr<Document> Triangle() {
  auto doc = MakeDocument(Options{});
  Document& d = *doc;
  Element* a = AddPoint(d, -150, -100);
  Element* b = AddPoint(d, 170, -80);
  Element* c = AddPoint(d, 20, 140);
  Name(d, a, "A");
  Name(d, b, "B");
  Name(d, c, "C");
  Element* ab = Add(d, kSegment, {a, b});
  Add(d, kSegment, {b, c});
  Add(d, kSegment, {c, a});
  Add(d, kMidpoint, {a, b});
  Add(d, kMidpoint, {b, c});
  Add(d, kMidpoint, {c, a});
  Element* m1 = Add(d, kPerpendicularBisector, {a, b});
  Element* m2 = Add(d, kPerpendicularBisector, {b, c});
  Element* o = Intersection(d, m1, m2, 0);  // two lines
  Name(d, o, "O");
  Add(d, kCircleCentrePoint, {o, a});
  Name(d, Add(d, kPointOnElement, {ab}, {-70, -95, 0, 0.25}), "P");
  return doc;
}

// Coordinate axes, a filled quadrilateral with a point on its second side, and a text in
// the upper left corner.
std::unique_ptr<Document> Quadrilateral() {
  auto doc = MakeDocument(Options{});
  Document& d = *doc;
  Element* origin = AddPoint(d, 0, 0);
  origin->visibility = 0;
  Add(d, kAxes, {origin});
  Element* p = AddPoint(d, -120, -80);
  Element* q = AddPoint(d, 160, -60);
  Element* r = AddPoint(d, 120, 120);
  Element* s = AddPoint(d, -100, 90);
  Element* poly = AddWithPicks(d, kPolygon, {p, q, r, s, nullptr});
  poly->attr1 = 0x404080;  // filled
  Element* onSide =
      Add(d, kPointOnElement, {poly->as<PolygonExt>()->sides[1].get()}, {140, 30, 0, 0.5});
  Name(d, onSide, "P");
  ElementTemplate t;
  t.kind = kText;
  t.value = {0, 0, -380, 280};
  Element* text = MakeElementFromTemplate(d, t, {});
  auto& x = *text->as<TextExt>();
  x.lines = {"Arrastra los vértices", "o el punto P sobre el lado."};
  text->attr1 = 2;
  x.runs = {TextRun{x.font, 49}};
  return doc;
}

// A filled triangle ABC and its images: the central symmetric about O, the mirror image in
// a line, the translate by a vector, the quarter turn about O (angles in degrees), the
// homothetic with ratio -1/2 from O, and the inverses of its vertices in a circle about O.
std::unique_ptr<Document> Transformations() {
  auto doc = MakeDocument(Options{});
  Document& d = *doc;
  d.angleUnit = 1;
  Element* a = AddPoint(d, -60, 20);
  Element* b = AddPoint(d, 20, 10);
  Element* c = AddPoint(d, -30, 90);
  Element* o = AddPoint(d, 40, -40);
  Element* triangle = AddWithPicks(d, kPolygon, {a, b, c});
  triangle->attr1 = 0x80C0FF;
  Element* axis = Add(d, kLineTwoPoints, {AddPoint(d, -380, -110), AddPoint(d, 380, -60)});
  Element* u = AddPoint(d, -350, 200);
  Element* v = AddPoint(d, -250, 240);
  Add(d, kVector, {u, v});
  Element* angle = Add(d, kParameter, {});
  angle->value = {90, 0, -380, 150};  // shown at its second point
  Element* ratio = Add(d, kParameter, {});
  ratio->value = {-0.5, 0, -380, 125};
  Element* circle = Add(d, kCircleCentrePoint, {o, AddPoint(d, 140, -40)});
  for (auto [e, text] : {std::pair{a, "A"}, {b, "B"}, {c, "C"}, {o, "O"}}) Name(d, e, text);
  RecomputeAll(d);
  Element* const whole[] = {triangle};
  const Transformation uses[] = {{kPointCentralSymmetry, o, nullptr},
                                 {kPointAxialSymmetry, axis, nullptr},
                                 {kPointTranslation, u, v},
                                 {kPointRotation, o, angle},
                                 {kPointHomothety, o, ratio}};
  for (const Transformation& t : uses) TransformFigure(d, whole, t, {});
  Element* const vertices[] = {a, b, c};
  TransformFigure(d, vertices, {kPointInversion, circle, nullptr}, {});
  return doc;
}

void DefineTwice(Element& calculation) { expr::DefineExpression(calculation, "A*2", 0); }

// A triangle measured: a named distance and a calculation on it, an angle, the area, the
// coordinates of a vertex, the equations of a side's line and of a circle, a slope and an
// alignment check, each with its label placed beside the figure.
std::unique_ptr<Document> Measures() {
  auto doc = MakeDocument(Options{});
  Document& d = *doc;
  d.angleUnit = 1;  // degrees
  Element* origin = AddPoint(d, 0, 0);
  origin->visibility = 0;
  Element* axes = Add(d, kAxes, {origin});
  Element* a = AddPoint(d, -120, -80);
  Element* b = AddPoint(d, 160, -80);
  Element* c = AddPoint(d, 40, 120);
  Name(d, a, "A");
  Name(d, b, "B");
  Name(d, c, "C");
  Element* triangle = AddWithPicks(d, kPolygon, {a, b, c, nullptr});
  Element* bc = triangle->as<PolygonExt>()->sides[1].get();
  Element* distance = Add(d, kDistancePointPoint, {a, b}, {0, 0, -380, 280});
  Name(d, distance, "d = ");
  Element* twice = AddWithPicks(d, kCalculation, {distance});
  DefineTwice(*twice);
  twice->value[2] = -380;
  twice->value[3] = 255;
  Name(d, twice, "2d = ");
  Add(d, kAngleValue, {b, a, c}, {0, 0, -380, 230});
  Add(d, kAreaPolygon, {triangle}, {0, 0, -380, 205});
  Add(d, kCoordinates, {c, axes}, {0, 0, 50, 140});
  Add(d, kEquationLine, {bc, axes}, {0, 0, 180, 40});
  Element* circle = Add(d, kCircleCentrePoint, {a, b});
  circle->visibility = 0;
  Add(d, kEquationCircle, {circle, axes}, {0, 0, -380, 180});
  Add(d, kSlope, {Add(d, kSegment, {c, a})}, {0, 0, -380, 155});
  Add(d, kCheckAligned, {a, Add(d, kMidpoint, {a, b}), b}, {0, 0, -380, 130});
  return doc;
}

}  // namespace

std::vector<ExampleFigure> ExampleFigures() {
  std::vector<ExampleFigure> out;
  out.push_back({"triangle.vlt", Triangle()});
  out.push_back({"quadrilateral.vlt", Quadrilateral()});
  out.push_back({"transformations.vlt", Transformations()});
  out.push_back({"measures.vlt", Measures()});
  for (auto& f : out) {
    RecomputeAll(*f.doc);
    f.doc->modified = 0;
  }
  return out;
}

}  // namespace velt::test
