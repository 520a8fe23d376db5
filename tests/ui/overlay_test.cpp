#include "ui/overlay.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "script_support.h"
#include "ui/strings.h"

namespace velt {
namespace {

using test::Bench;

std::vector<const OverlayMark*> MarksOf(const Overlay& o, OverlayRole role) {
  std::vector<const OverlayMark*> out;
  for (const OverlayMark& m : o.marks)
    if (m.role == role) out.push_back(&m);
  return out;
}

TEST(Overlay, PicksBlinkInTheSelectionColourAndPreviewsFollowThePointer) {
  Bench b;
  const int32_t selection = b.doc().selectionColour;
  b.ix.SelectTool(Tool::B_arco3p);
  b.Click(100, 0);
  b.Click(0, 100);
  b.Move(-100, 0);
  const Overlay shown = BuildOverlay(b.ix, b.doc(), true);
  const auto picks = MarksOf(shown, OverlayRole::Pick);
  ASSERT_EQ(picks.size(), 2u);
  EXPECT_EQ(picks[0]->element, b.At(0));
  EXPECT_EQ(picks[1]->element, b.At(1));
  EXPECT_EQ(picks[0]->look.colour, selection);
  // The arc the next click builds, through the pointer: centre (0, 0), its third point the
  // stand-in for the pointer, kept alive by the overlay.
  const auto previews = MarksOf(shown, OverlayRole::Preview);
  ASSERT_EQ(previews.size(), 1u);
  const Element& arc = *previews[0]->element;
  EXPECT_EQ(arc.kind, kArc);
  EXPECT_NEAR(arc.value[0], 0, 1e-9);
  EXPECT_NEAR(arc.value[1], 0, 1e-9);
  ASSERT_NE(arc.parent[2], nullptr);
  EXPECT_NEAR(arc.parent[2]->x(), -100, 1e-9);
  EXPECT_EQ(previews[0]->look.colour, arc.colour);
  // With the blink off the picks are not drawn; the preview stays.
  if (b.ix.blinkOn()) b.ix.BlinkTick();
  const Overlay dark = BuildOverlay(b.ix, b.doc());
  EXPECT_TRUE(MarksOf(dark, OverlayRole::Pick).empty());
  EXPECT_EQ(MarksOf(dark, OverlayRole::Preview).size(), 1u);
  b.ix.BlinkTick();
  EXPECT_EQ(MarksOf(BuildOverlay(b.ix, b.doc()), OverlayRole::Pick).size(), 2u);
}

TEST(Overlay, TheElementUnderThePointerIsHighlightedOverItsHalo) {
  Bench b;
  b.ix.SelectTool(Tool::B_Segmento);
  b.Click(0, 0);
  b.Click(100, 0);
  Element* segment = b.Last();
  ASSERT_EQ(segment->kind, kSegment);
  segment->colour = 255;
  b.ix.SelectTool(Tool::Sel);
  b.Move(50, 3);
  Overlay o = BuildOverlay(b.ix, b.doc());
  ASSERT_EQ(o.marks.size(), 2u);
  EXPECT_EQ(o.marks[0].role, OverlayRole::Halo);
  EXPECT_EQ(o.marks[0].element, segment);
  EXPECT_EQ(o.marks[0].look.colour, b.doc().selectionColour);
  EXPECT_EQ(o.marks[0].look.style, HaloStyleOf(segment->style));
  EXPECT_EQ(o.marks[1].role, OverlayRole::Highlight);
  EXPECT_EQ(o.marks[1].look.colour, 255);
  EXPECT_TRUE(o.message.visible);
  EXPECT_EQ(o.message.text, b.ws.Text(str::TypeName(kTypeSegment)));
  // Away from everything: nothing over the picture.
  b.Move(50, 100);
  o = BuildOverlay(b.ix, b.doc());
  EXPECT_TRUE(o.marks.empty());
  EXPECT_FALSE(o.message.visible);
}

TEST(Overlay, ACrossingOfferedIsAPointHaloAtTheCrossing) {
  Bench b;
  b.ix.SelectTool(Tool::B_Recta);
  b.Click(-100, -100);
  b.Click(100, 100);
  b.Click(-100, 100);
  b.Click(100, -100);
  b.ix.SelectTool(Tool::B_Punto);
  b.Move(3, 2);
  const Overlay o = BuildOverlay(b.ix, b.doc());
  const auto marks = MarksOf(o, OverlayRole::Highlight);
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0]->element->kind, kFreePoint);
  EXPECT_NEAR(marks[0]->element->x(), 0, 1e-9);
  EXPECT_NEAR(marks[0]->element->y(), 0, 1e-9);
  EXPECT_EQ(marks[0]->look.style, 3);
  EXPECT_EQ(marks[0]->look.colour, b.doc().selectionColour);
}

TEST(Overlay, TheSelectionRectangleHasItsCornersInOrder) {
  Bench b;
  b.Move(100, -50);
  b.ix.MouseDown(MouseButton::Left, b.Px(100), b.Py(-50), {});
  b.Move(60, -20, true);
  b.Move(-40, 30, true);
  const Overlay o = BuildOverlay(b.ix, b.doc());
  ASSERT_TRUE(o.rectangle);
  EXPECT_DOUBLE_EQ(o.rectangle->left, -40);
  EXPECT_DOUBLE_EQ(o.rectangle->top, 30);
  EXPECT_DOUBLE_EQ(o.rectangle->right, 100);
  EXPECT_DOUBLE_EQ(o.rectangle->bottom, -50);
  b.ix.MouseUp(MouseButton::Left, b.Px(-40), b.Py(30), {});
  EXPECT_FALSE(BuildOverlay(b.ix, b.doc()).rectangle);
}

TEST(ScriptOverlay, ArcAndAnglePreviewsAreReportedWhereThePointerIs) {
  test::Scenario s(
      "tool 14\nclick 100 0\nclick 0 100\nmove -100 0\noverlay\n"
      "tool 55\nclick 100 0\nclick 0 0\nmove 0 50\noverlay\n");
  ASSERT_TRUE(s.ok()) << s.failure();
  // The arc through (100, 0), (0, 100) and the pointer (-100, 0): centre (0, 0), then its
  // second point.
  // The angle mark at (0, 0) from (100, 0) to the pointer (0, 50): a quarter turn, drawn with
  // its two arms.
  const std::vector<std::string>& o = s.result.overlay;
  ASSERT_EQ(o.size(), 8u);
  EXPECT_EQ(o[0], "pick 0 100 0 0 0");
  EXPECT_EQ(o[1], "pick 0 0 100 0 0");
  EXPECT_EQ(o[2], "preview 19 0 0 0 100");
  EXPECT_EQ(o[3], "pick 0 100 0 0 0");
  EXPECT_EQ(o[4], "pick 0 0 0 0 0");
  EXPECT_EQ(o[5].rfind("preview 20 1.570796327 ", 0), 0u) << o[5];
  EXPECT_EQ(o[6], "preview 13 0 0 100 0");
  EXPECT_EQ(o[7], "preview 13 0 0 0 50");
}

}  // namespace
}  // namespace velt
