// Texts, names and labels are found by the boxes the view draws them in: under the pointer,
// and by the selection rectangle.
#include <gtest/gtest.h>

#include "geometry/recompute.h"
#include "support/builders.h"
#include "ui/fake_host.h"
#include "view/element_box.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;
using test::Bench;

// A text at (100, 50) of one line of 10 characters: with the fixed pitch of the core it is
// 10 x 7 = 70 units wide and 15 high for the default 10-point font.
Element* AddText(Document& doc) {
  Element* text = Add(doc, kText, {});
  TextExt& t = *text->as<TextExt>();
  t.x = 100;
  t.y = 50;
  t.font.size = 10;
  t.lines = {"ten chars!"};
  text->attr1 = 1;
  return text;
}

// An angle at the vertex (200, 100) between (300, 100) and (200, 200), named "w" 20 units
// right of and 10 below its vertex.
struct AngleFigure {
  Bench b;
  Element* angle;
  Element* name;
  AngleFigure() {
    Element* v = AddPoint(b.doc(), 200, 100);
    Element* p = AddPoint(b.doc(), 300, 100);
    Element* q = AddPoint(b.doc(), 200, 200);
    angle = Add(b.doc(), kAngleMark, {p, v, q});
    name = Add(b.doc(), kName, {angle}, {20, -10, 0, 0});
    name->as<NameExt>()->text = "w";
    RecomputeAll(b.doc());
  }
};

TEST(BoxDetection, TextUnderThePointer) {
  Bench b;
  Element* text = AddText(b.doc());
  b.Move(160, 40);  // inside, near the right end
  EXPECT_EQ(b.ix.detection().first(), text);
  b.Move(175, 40);  // past its end
  EXPECT_EQ(b.ix.detection().first(), nullptr);
  b.Move(110, 30);  // below it
  EXPECT_EQ(b.ix.detection().first(), nullptr);
}

TEST(BoxDetection, AngleNameAtItsVertex) {
  AngleFigure f;
  // The name's box starts at (220, 90) and goes right and down.
  f.b.Move(222, 88);
  EXPECT_EQ(f.b.ix.detection().first(), f.name);
  // Not near the angle's values (its size, pi / 2, and arc factor) moved by the offset.
  f.b.Move(22, -12);
  EXPECT_EQ(f.b.ix.detection().first(), nullptr);
}

TEST(BoxDetection, RectangleSelectsTextsAndNamesByTheirBoxes) {
  AngleFigure f;
  Element* text = AddText(f.b.doc());
  // A rectangle over the right end of the text only.
  f.b.Drag({{150, 60}, {200, 30}});
  EXPECT_TRUE(text->selected);
  EXPECT_FALSE(f.name->selected);
  // A rectangle pulled from empty plane over the name's box only (right of and below
  // (220, 90)).
  f.b.Drag({{245, 65}, {222, 88}});
  EXPECT_FALSE(text->selected);
  EXPECT_TRUE(f.name->selected);
  EXPECT_FALSE(f.angle->selected);
}

}  // namespace
}  // namespace velt
