// Buttons as drawn: the raised and sunken faces, and the caption an empty one shows.
#include <gtest/gtest.h>

#include "support/builders.h"
#include "ui/strings_buttons.h"
#include "view/element_box.h"
#include "view/recording_canvas.h"
#include "view/redraw.h"

namespace velt {
namespace {

constexpr int32_t kFace = 0x00C0FF, kSunkenGrey = 0x808080;

// A button with its corner at the world origin, pixel (400, 300) of the picture.
struct ButtonPicture {
  Document doc;
  RecordingCanvas canvas{1024, 768};
  Element* button = nullptr;
  ButtonPicture() {
    doc.viewLeft = -400;
    doc.viewTop = 300;
    doc.viewRight = 624;
    doc.viewBottom = -468;
    button = test::Add(doc, kButtonShowHide, {}, {0, 0, 0, 0});
    button->style = kFace;
    button->as<ButtonExt>()->caption = "Ver";
  }
  // The first filled rectangle of the drawing and every text written.
  struct Seen {
    int32_t face = -1;
    PixelBox box;
    std::vector<DrawCall> texts;
  };
  Seen Draw() {
    canvas.Reset();
    RedrawAll(doc, canvas, DrawOptions{});
    Seen s;
    for (const DrawCall& c : canvas.Calls()) {
      if (c.op == DrawOp::kFillRect && s.face < 0 && c.colour != doc.backgroundColour) {
        s.face = c.colour;
        s.box = c.box;
      }
      if (c.op == DrawOp::kText) s.texts.push_back(c);
    }
    return s;
  }
};

TEST(ButtonDrawing, RaisedWithItsFaceUpAndSunkenGreyDown) {
  ButtonPicture f;
  f.button->attr2 = 1;
  const auto up = f.Draw();
  EXPECT_EQ(up.face, kFace);
  EXPECT_EQ(up.box.left, 400);
  EXPECT_EQ(up.box.top, 300);
  ASSERT_EQ(up.texts.size(), 1u);
  EXPECT_EQ(up.texts[0].text, "Ver");
  EXPECT_EQ(up.texts[0].points.at(0), (PixelPoint{400 + kButtonPadX - 1, 300 + kButtonPadY - 1}))
      << "the caption stands one pixel up and left while raised";

  f.button->attr2 = 0;
  const auto down = f.Draw();
  EXPECT_EQ(down.face, kSunkenGrey);
  ASSERT_EQ(down.texts.size(), 1u);
  EXPECT_EQ(down.texts[0].points.at(0), (PixelPoint{400 + kButtonPadX, 300 + kButtonPadY}));
}

TEST(ButtonDrawing, AnEmptyCaptionShowsTheHideShowDefault) {
  ButtonPicture f;
  f.button->as<ButtonExt>()->caption.clear();
  const std::string fallback = BuiltInLanguage().Get(str::kButtonCaptionShowHide);
  ASSERT_FALSE(fallback.empty());
  const auto seen = f.Draw();
  ASSERT_EQ(seen.texts.size(), 1u);
  EXPECT_EQ(seen.texts[0].text, fallback);

  // The box that detection uses is the box of that caption.
  const FixedPitchMeasure measure;
  const auto box = ElementBox(f.doc, *f.button, MappingOf(f.doc), measure);
  f.button->as<ButtonExt>()->caption = fallback;
  const auto same = ElementBox(f.doc, *f.button, MappingOf(f.doc), measure);
  ASSERT_TRUE(box && same);
  EXPECT_EQ(box->right, same->right);
  EXPECT_EQ(box->bottom, same->bottom);
  EXPECT_GT(box->right - box->left, 2 * kButtonPadX) << "not an empty box";
}

}  // namespace
}  // namespace velt
