// Tool 63, the font of an element: a pick (or the whole selection) takes the font chosen in
// the font dialog, one undo step when the dialog is confirmed and none when it is cancelled.
#include "model/dependents.h"
#include "model/element_list.h"
#include "ui/font_choice.h"
#include "ui/host.h"
#include "ui/tool_gestures.h"

namespace velt {
namespace {

// The chosen face, size and styles; each font keeps its colour, which the colour tool sets.
void TakeFont(Font& target, const Font& chosen) {
  const int32_t colour = target.colour;
  target = chosen;
  target.colour = colour;
}

// Texts (every run) and label-like elements take the font; other elements have none.
void SetFont(Element& e, const Font& f) {
  if (e.labelFont) TakeFont(*e.labelFont, f);
  if (auto* x = e.as<TextExt>()) {
    TakeFont(x->font, f);
    for (auto& r : x->runs) TakeFont(r.font, f);
  }
}

// The font the dialog starts from: the element's own, or the document's text font.
Font FontOf(const Element& e, const Document& doc) {
  if (e.labelFont) return *e.labelFont;
  if (const auto* x = e.as<TextExt>()) return x->font;
  return doc.textFont;
}

}  // namespace

void PressFont(ToolContext& c, Pt) {
  Element* target = c.UnderElement();
  if (!target) return;
  Font f = FontOf(*target, c.doc());
  if (!c.host().ChooseFont(f)) return;
  f = FitFont(f);
  Renumber(c.doc().elements());
  const int32_t n = target->number;
  c.StoreStep();  // the step replaces the list: find the element again
  if (Element* e = FindByNumber(c.doc().elements(), n)) SetFont(*e, f);
  c.ClearDetection();
  c.host().CommandsChanged();
  c.Repaint();
}

bool FontSelection(ToolContext& c) {
  std::vector<int32_t> numbers;
  Renumber(c.doc().elements());
  ForEachDeep(c.doc().elements(), [&](const Element& e) {
    if (e.selected) numbers.push_back(e.number);
  });
  if (numbers.empty()) return false;
  Font f = c.doc().textFont;
  if (!c.host().ChooseFont(f)) return true;
  f = FitFont(f);
  c.StoreStep();
  for (int32_t n : numbers)
    if (Element* e = FindByNumber(c.doc().elements(), n)) SetFont(*e, f);
  c.host().CommandsChanged();
  c.Repaint();
  return true;
}

}  // namespace velt
