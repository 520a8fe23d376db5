#pragma once
// Construction kinds (how an element is built) and element types (what it is).
#include <cstdint>
#include <string_view>

namespace velt {

inline constexpr int kKindCount = 73;  // kinds 0..72
inline constexpr int kTypeCount = 25;  // types 0..24

// The construction kinds whose numbers other code names directly.
enum Kind : int32_t {
  kFreePoint = 0,
  kPointOnElement = 1,
  kIntersection = 2,
  kPointCentralSymmetry = 3,
  kMidpoint = 4,
  kLineThroughPoint = 5,
  kLineTwoPoints = 6,
  kRayThroughPoint = 7,
  kRayTwoPoints = 8,
  kParallel = 9,
  kPerpendicular = 10,
  kAngleBisector = 11,
  kPerpendicularBisector = 12,
  kSegment = 13,
  kPolygon = 14,
  kPolygonSide = 15,
  kCircleCentre = 16,
  kCircleCentrePoint = 17,
  kCircleRadius = 18,
  kArc = 19,
  kAngleMark = 20,
  kLocus = 21,
  kPointAxialSymmetry = 22,
  kPointTranslation = 23,
  kPointRotation = 24,
  kPointHomothety = 25,
  kPointInversion = 26,
  kDisplacedPoint = 27,
  kDistancePointPoint = 28,
  kDistancePointLine = 29,
  kLengthSegment = 30,
  kLengthCircle = 31,
  kLengthArc = 32,
  kPerimeter = 33,
  kAreaCircle = 34,
  kAreaPolygon = 35,
  kAngleValue = 36,
  kCalculation = 37,
  kTable = 38,
  kAxes = 39,
  kAxisX = 40,
  kAxisY = 41,
  kCoordinates = 42,
  kCoordinateX = 43,
  kCoordinateY = 44,
  kEquationLine = 45,
  kEquationCircle = 46,
  kText = 47,
  kName = 48,
  kPointByCoordinates = 49,
  kCheckParallel = 50,
  kCheckPerpendicular = 51,
  kCheckOn = 52,
  kCheckEquidistant = 53,
  kCheckAligned = 54,
  kConic = 55,
  kSlope = 56,
  kIntersectionCandidate = 57,
  kEquationConic = 58,
  kRegularPolygonVertex = 59,
  kPlottedPoint = 60,
  kGrid = 61,
  kPointOnGrid = 62,
  kParameter = 63,
  kFunction = 64,
  kFunctionGraph = 65,
  kButtonShowHide = 66,
  kBitmap = 67,
  kProportion = 68,
  kVector = 69,
  kButtonMove = 70,
  kIteration = 71,
  kVectorSum = 72,
};

enum ElementType : int32_t {
  kTypePoint = 0,
  kTypeLine = 1,
  kTypeRay = 2,
  kTypeSegment = 3,
  kTypePolygon = 4,
  kTypeCircle = 5,
  kTypeArc = 6,
  kTypeAngle = 7,
  kTypeLocus = 8,
  kTypeText = 9,
  kTypeName = 10,
  kTypeNumber = 11,
  kTypeFunction = 12,
  kTypeAxes = 13,
  kTypeTable = 14,
  kTypeEquation = 15,
  kTypeCoordinates = 16,
  kTypeProperty = 17,
  kTypeConic = 18,
  kTypeIntersection = 19,
  kTypeGrid = 20,
  kTypeButton = 21,
  kTypeBitmap = 22,
  kTypeVector = 23,
  kTypeIteration = 24,
};

// How an element of a kind moves when it is dragged or moved by the arrow keys.
enum class DragRule : int8_t {
  Ancestors,   // through the free points it is built on
  Itself,      // its own position (a free point)
  OnCarrier,   // a point on an element: projected back onto its carrier
  OnGrid,      // a point on a grid: snapped to the nearest node
  Label,       // label-like elements: the label's position (value3, value4)
  NameOffset,  // a name: its offset from the element it names, within the name distance
  Text,        // a text: its position
  Picture,     // a bitmap: its position when it is not anchored, else through its anchor
  Direction,   // a line or ray through one point: its direction follows the pointer
  Radius,      // a circle given by its centre: its radius follows the pointer
  MarkRadius,  // an angle mark: the radius of its arc follows the pointer
};

// The extension an element of a kind carries: the alternatives of `Extension`
// (model/element.h), in their order.
enum class ExtensionSlot : int8_t {
  None,
  Polygon,
  Samples,
  Expression,
  Table,
  Axes,
  Coordinates,
  Equation,
  Text,
  Name,
  Checker,
  Conic,
  Parameter,
  Button,
  Bitmap,
  Iteration,
};
inline constexpr int kExtensionSlotCount = 16;

// How an element of a kind moves when it is animated.
enum class AnimationRule : int8_t {
  None,          // it cannot be animated
  AlongCarrier,  // a point on an element runs along its carrier
  Turn,          // a line or ray through a point turns about it
  Radius,        // a circle given by its centre breathes
  Sweep,         // a parameter sweeps its range
};

constexpr bool IsValidKind(int32_t kind) { return kind >= 0 && kind < kKindCount; }

// The element type of a construction kind; -1 for a kind outside 0..72.
int32_t TypeOfKind(int32_t kind);

// Built-in (Spanish) display names, UTF-8. The language table may replace them.
std::string_view DefaultKindName(int32_t kind);
std::string_view DefaultTypeName(int32_t type);

DragRule DragRuleOf(int32_t kind);
ExtensionSlot ExtensionSlotOf(int32_t kind);
AnimationRule AnimationRuleOf(int32_t kind);
// Kinds whose values are set from outside (free points, parameters, texts, tables, buttons)
// or by their owner (sides, axis lines, coordinate numbers): the recompute leaves them alone.
bool IsSetFromOutside(int32_t kind);
// Straight carriers whose points stand at a signed distance from their first point rather
// than at a fraction of their two defining points (lines and rays through one point,
// parallels, perpendiculars, bisectors, axis lines).
bool PlacesPointsByDistance(int32_t kind);
// Measurement labels (distances, lengths, areas, angles, slopes, equations): made in the
// number font's colour with the dimension of their value.
bool IsMeasureKind(int32_t kind);
// The dimension of the value a measurement of this kind shows: 1 length (distances, lengths,
// perimeters), 2 area, 3 angle, 0 none.
int32_t ValueDimensionOf(int32_t kind);
// An element dragged by itself when this many of its first parents are free points; 0 for
// the kinds that are not (polygons and conics go by their listed points).
int FreeParentsToDrag(int32_t kind);

// Types whose elements show text: style -1 at creation (buttons then take a face colour).
bool IsTextLikeType(int32_t type);
// Types whose elements own a label font.
bool OwnsLabelFont(int32_t type);
// Kinds whose elements own sub-elements (polygon sides, axis lines, coordinate numbers).
bool HasSubElements(int32_t kind);
// Straight carriers: line, ray, segment, vector.
bool IsStraightType(int32_t type);

}  // namespace velt
