#pragma once
// A text element for the tests of the tools and dialogs that work on texts.
#include "model/create.h"
#include "model/element.h"

namespace velt::test {

// A text of one line ("hola") and one run, its top-left corner at (100, 50), added straight
// to the list; a click at (105, 45) lands on it.
inline Element* AddText(Document& doc) {
  ElementTemplate t;
  t.kind = kText;
  t.value = {0, 0, 100, 50};
  Element* e = MakeElementFromTemplate(doc, t, {});
  auto* x = e->as<TextExt>();
  x->lines = {"hola"};
  e->attr1 = 1;
  x->runs.push_back(TextRun{x->font, 4});
  return e;
}

}  // namespace velt::test
