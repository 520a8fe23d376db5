#pragma once
// One drawing routine per element type; DrawElement picks the routine by the type.
#include "model/element.h"
#include "view/draw_context.h"

namespace velt {

using DrawRoutine = void (*)(const DrawContext& ctx, const Element& e, const Look& look);

void DrawPointElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawLineElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawRayElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawSegmentElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawPolygonElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawCircleElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawArcElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawAngleElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawVectorElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawConicElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawAxesElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawGridElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawTextElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawNameElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawLabelElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawButtonElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawBitmapElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawTableElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawLocusElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawGraphElement(const DrawContext& ctx, const Element& e, const Look& look);
void DrawIterationElement(const DrawContext& ctx, const Element& e, const Look& look);
// Loci and function graphs share a type: each kind to its own routine.
void DrawSampledCurveElement(const DrawContext& ctx, const Element& e, const Look& look);

// The plane position of a point-like element (its value1, value2).
inline WorldPoint PositionOf(const Element& e) { return {e.value[0], e.value[1]}; }
// The second defining point of a straight element or the circumference point of a circle.
inline WorldPoint SecondPointOf(const Element& e) { return {e.value[2], e.value[3]}; }

}  // namespace velt
