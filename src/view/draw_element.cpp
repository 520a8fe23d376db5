#include "view/draw_element.h"

#include <array>

namespace velt {

DrawRoutine DrawRoutineOf(int32_t type) {
  static const std::array<DrawRoutine, kTypeCount> kRoutines = [] {
    std::array<DrawRoutine, kTypeCount> t{};
    t[kTypePoint] = DrawPointElement;
    t[kTypeLine] = DrawLineElement;
    t[kTypeRay] = DrawRayElement;
    t[kTypeSegment] = DrawSegmentElement;
    t[kTypePolygon] = DrawPolygonElement;
    t[kTypeCircle] = DrawCircleElement;
    t[kTypeArc] = DrawArcElement;
    t[kTypeAngle] = DrawAngleElement;
    t[kTypeLocus] = DrawSampledCurveElement;
    t[kTypeText] = DrawTextElement;
    t[kTypeName] = DrawNameElement;
    t[kTypeNumber] = DrawLabelElement;
    t[kTypeFunction] = DrawLabelElement;
    t[kTypeAxes] = DrawAxesElement;
    t[kTypeTable] = DrawTableElement;
    t[kTypeEquation] = DrawLabelElement;
    t[kTypeCoordinates] = DrawLabelElement;
    t[kTypeProperty] = DrawLabelElement;
    t[kTypeConic] = DrawConicElement;
    t[kTypeGrid] = DrawGridElement;
    t[kTypeButton] = DrawButtonElement;
    t[kTypeBitmap] = DrawBitmapElement;
    t[kTypeVector] = DrawVectorElement;
    t[kTypeIteration] = DrawIterationElement;
    return t;
  }();
  return type >= 0 && type < kTypeCount ? kRoutines[type] : nullptr;
}

void DrawElement(const DrawContext& ctx, const Element& e, const Look& look) {
  if (DrawRoutine routine = DrawRoutineOf(e.type())) routine(ctx, e, look);
}

}  // namespace velt
