#include "model/reference_order.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <unordered_map>
#include <vector>

#include "model/element_list.h"

namespace velt {
namespace {

// One reference of the list: the slot that holds it, and the list positions of the element
// that holds it (its owner's for a sub-element) and of the element it names.
struct Reference {
  Element** slot;
  int from, to;
};

// Strongly connected components of the graph of list positions, iteratively (a long chain
// of references must not exhaust the stack). Returns the component of each position.
std::vector<int> Components(const std::vector<std::vector<int>>& next) {
  const int n = static_cast<int>(next.size());
  std::vector<int> index(n, -1), low(n, 0), component(n, -1), stack;
  std::vector<bool> onStack(n, false);
  int counter = 0, components = 0;
  struct Frame {
    int node;
    size_t edge;
  };
  std::vector<Frame> calls;
  for (int root = 0; root < n; ++root) {
    if (index[root] >= 0) continue;
    calls.push_back({root, 0});
    index[root] = low[root] = counter++;
    stack.push_back(root);
    onStack[root] = true;
    while (!calls.empty()) {
      Frame& f = calls.back();
      const int v = f.node;
      if (f.edge < next[v].size()) {
        const int w = next[v][f.edge++];
        if (index[w] < 0) {
          index[w] = low[w] = counter++;
          stack.push_back(w);
          onStack[w] = true;
          calls.push_back({w, 0});
        } else if (onStack[w]) {
          low[v] = std::min(low[v], index[w]);
        }
        continue;
      }
      if (low[v] == index[v]) {
        int w;
        do {
          w = stack.back();
          stack.pop_back();
          onStack[w] = false;
          component[w] = components;
        } while (w != v);
        ++components;
      }
      calls.pop_back();
      if (!calls.empty()) {
        const int parent = calls.back().node;
        low[parent] = std::min(low[parent], low[v]);
      }
    }
  }
  return component;
}

// Lists this program wrote are already in order. When the numbers grow along the list, an
// element refers only to earlier ones exactly when every number it refers to is smaller
// than its own (its sub-elements' references are checked against the element's number).
bool AlreadyParentsFirst(ElementList& list) {
  int64_t last = std::numeric_limits<int64_t>::min();
  for (auto& top : list) {
    const int32_t first = top->number;
    bool ordered = true;
    auto check = [&](Element& e) {
      if (e.number <= last) ordered = false;
      last = e.number;
      ForEachReference(e, [&](Element*& ref, int32_t&) {
        if (ref && &ref != &e.colourSource && ref != e.owner && ref->number >= first)
          ordered = false;
      });
    };
    check(*top);
    ForEachSubElement(*top, check);
    if (!ordered) return false;
  }
  return true;
}

}  // namespace

int OrderParentsFirst(ElementList& list) {
  if (AlreadyParentsFirst(list)) return 0;
  const int n = static_cast<int>(list.size());
  std::unordered_map<const Element*, int> position;
  position.reserve(list.size() * 2);
  for (int i = 0; i < n; ++i) {
    position[list[i].get()] = i;
    ForEachSubElement(*list[i], [&](Element& s) { position[&s] = i; });
  }
  std::vector<Reference> refs;
  bool ordered = true;  // no reference points to the same or a later place
  for (int i = 0; i < n; ++i) {
    auto collect = [&](Element& e) {
      ForEachReference(e, [&](Element*& ref, int32_t&) {
        if (!ref || &ref == &e.colourSource || ref == e.owner) return;
        const auto it = position.find(ref);
        if (it == position.end()) return;
        refs.push_back({&ref, i, it->second});
        ordered = ordered && it->second < i;
      });
    };
    collect(*list[i]);
    ForEachSubElement(*list[i], collect);
  }

  if (ordered) return 0;  // the usual case: a list written in construction order

  // Parent -> child edges; a reference inside a cycle that points forward is cut.
  std::vector<std::vector<int>> children(n);
  for (const Reference& r : refs) children[r.to].push_back(r.from);
  const std::vector<int> component = Components(children);
  int cut = 0;
  std::vector<int> waiting(n, 0);
  for (auto& c : children) c.clear();
  for (const Reference& r : refs) {
    if (component[r.from] == component[r.to] && r.to >= r.from) {
      *r.slot = nullptr;
      ++cut;
      continue;
    }
    children[r.to].push_back(r.from);
    ++waiting[r.from];
  }

  // Kahn's walk, always taking the earliest element that is ready: the stored order is
  // kept wherever the references allow it.
  std::priority_queue<int, std::vector<int>, std::greater<int>> ready;
  for (int i = 0; i < n; ++i)
    if (waiting[i] == 0) ready.push(i);
  std::vector<int> order;
  order.reserve(n);
  while (!ready.empty()) {
    const int i = ready.top();
    ready.pop();
    order.push_back(i);
    for (int child : children[i])
      if (--waiting[child] == 0) ready.push(child);
  }
  // Every cycle was cut above, so every element has been placed.
  if (static_cast<int>(order.size()) == n) {
    ElementList sorted;
    sorted.reserve(list.size());
    for (int i : order) sorted.push_back(std::move(list[i]));
    list = std::move(sorted);
  }
  return cut;
}

}  // namespace velt
