#include "ui/clipboard.h"

#include <unordered_set>

#include "model/dependents.h"
#include "model/element_list.h"

namespace velt {
namespace {

constexpr int32_t kChosen = 1, kAncestor = 2;

Element& TopLevel(Element& e) {
  Element* t = &e;
  while (t->owner) t = t->owner;
  return *t;
}

bool AnySelected(Element& e) {
  bool any = e.selected != 0;
  ForEachSubElement(e, [&](Element& s) { any = any || s.selected; });
  return any;
}

// The references an element needs to be built: everything but its colour source.
template <class F>
void ForEachBuildingReference(Element& e, F&& f) {
  auto one = [&](Element& x) {
    ForEachReference(x, [&](Element*& p, int32_t&) {
      if (&p != &x.colourSource && p) f(*p);
    });
  };
  one(e);
  ForEachSubElement(e, one);
}

void Unselect(Element& e) {
  e.selected = 0;
  ForEachSubElement(e, [](Element& s) { s.selected = 0; });
}

}  // namespace

int CopySelection(DocumentSet& docs, Document& doc, Clipboard& clipboard) {
  clipboard = Clipboard{};
  for (int i = 0; i < docs.count(); ++i) docs.at(i)->pasteCount = 0;
  doc.pasteCount = 1;
  ElementList& list = doc.elements();
  Renumber(list);
  StoreReferenceNumbers(list);
  ClearMarks(list);
  for (auto& e : list)
    if (AnySelected(*e)) e->mark = kChosen;
  // Parents come before their children: one walk backwards reaches every ancestor.
  for (size_t i = list.size(); i-- > 0;) {
    if (!list[i]->mark) continue;
    ForEachBuildingReference(*list[i], [](Element& p) {
      Element& top = TopLevel(p);
      if (!top.mark) top.mark = kAncestor;
    });
  }
  auto figure = std::make_shared<Figure>();
  std::unordered_set<int32_t> numbers;
  for (auto& e : list) {
    if (!e->mark) continue;
    ElementPtr c = CopyElement(*e);
    if (e->mark == kAncestor && c->visibility != 100) c->visibility = 0;
    Unselect(*c);
    numbers.insert(c->number);
    ForEachSubElement(*c, [&](Element& s) { numbers.insert(s.number); });
    figure->elements.push_back(std::move(c));
  }
  ClearMarks(list);
  // A reference out of the copied set (a colour source, a name's element) is dropped.
  ForEachDeep(figure->elements, [&](Element& x) {
    ForEachReference(x, [&](Element*&, int32_t& number) {
      if (number >= 0 && !numbers.count(number)) number = -1;
    });
    if (x.colourSourceNumber < 0) x.colourMode = 0;
  });
  ResolveReferences(figure->elements);
  clipboard.figure = std::move(figure);
  clipboard.originLeft = doc.viewLeft;
  clipboard.originTop = doc.viewTop;
  return static_cast<int>(clipboard.figure->elements.size());
}

int PasteClipboard(Document& doc, const Clipboard& clipboard) {
  if (clipboard.empty()) return 0;
  std::shared_ptr<Figure> fresh = CopyFigure(*clipboard.figure);
  const double dx = doc.viewLeft - clipboard.originLeft + kPasteStep * doc.pasteCount;
  const double dy = doc.viewTop - clipboard.originTop - kPasteStep * doc.pasteCount;
  ++doc.pasteCount;
  ForEachDeep(doc.elements(), [](Element& e) { e.selected = 0; });
  const int count = static_cast<int>(fresh->elements.size());
  for (auto& e : fresh->elements) {
    if (DragRuleOf(e->kind) == DragRule::Itself) {
      e->x() += dx;
      e->y() += dy;
    }
    if (e->visibility == 1) e->selected = 1;
    doc.elements().push_back(std::move(e));
  }
  Renumber(doc.elements());
  doc.modified = 1;
  return count;
}

}  // namespace velt
