// The rules of the transformed points: each image is recomputed from its source point and
// the transformation's data at every pass, so it follows them while they are dragged.
#include "geometry/element_points.h"
#include "geometry/number_parents.h"
#include "geometry/rules.h"
#include "geometry/transform_map.h"

namespace velt {
namespace {

// Writes the image, or leaves the old coordinates and makes the point not exist.
void Place(Element& e, const std::optional<Pt>& image) {
  if (!image) {
    e.exists = 0;
    return;
  }
  SetPointA(e, *image);
  e.exists = 1;
}

// 3: P about the centre C.
void CentralSymmetryRule(Element& e, const RuleContext&) {
  Place(e, CentralSymmetric(PointA(*e.parent[0]), PointA(*e.parent[1])));
}

// 22: P in the carrier line of a straight element.
void AxialSymmetryRule(Element& e, const RuleContext&) {
  const Element& axis = *e.parent[1];
  Place(e, AxialSymmetric(PointA(*e.parent[0]), PointA(axis), PointB(axis)));
}

// 23: P moved by the vector from A to B.
void TranslationRule(Element& e, const RuleContext&) {
  Place(e, Translated(PointA(*e.parent[0]), PointA(*e.parent[1]), PointA(*e.parent[2])));
}

// 24: P turned about C by the number, read in the document's angle unit. A number that is
// not finite turns nothing: the map gives no image, as for a number in error.
void RotationRule(Element& e, const RuleContext& ctx) {
  const Element& angle = *e.parent[2];
  if (InError(angle)) {
    e.exists = 0;
    return;
  }
  Place(e, Rotated(PointA(*e.parent[0]), PointA(*e.parent[1]), ToRadians(angle.value[0], ctx)));
}

// 25: P scaled from C by the number (not finite: no image).
void HomothetyRule(Element& e, const RuleContext&) {
  const Element& ratio = *e.parent[2];
  if (InError(ratio)) {
    e.exists = 0;
    return;
  }
  Place(e, Homothetic(PointA(*e.parent[0]), PointA(*e.parent[1]), ratio.value[0]));
}

// 26: P inverted in the circle, which is parent1 here.
void InversionRule(Element& e, const RuleContext&) {
  const Element& circle = *e.parent[0];
  const Pt o = PointA(circle);
  Place(e, Inverse(PointA(*e.parent[1]), o, Distance(o, PointB(circle))));
}

}  // namespace

void AddTransformRules(RuleTable& t) {
  t[kPointCentralSymmetry] = {CentralSymmetryRule, 2};
  t[kPointAxialSymmetry] = {AxialSymmetryRule, 2};
  t[kPointTranslation] = {TranslationRule, 3};
  t[kPointRotation] = {RotationRule, 3};
  t[kPointHomothety] = {HomothetyRule, 3};
  t[kPointInversion] = {InversionRule, 2};
}

}  // namespace velt
