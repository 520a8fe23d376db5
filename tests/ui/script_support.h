#pragma once
// Runs construction scripts in-process and reads the result as `velt-cli dump` shows it:
// elements by their numbers (sub-elements included), parents as numbers.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "model/element_list.h"
#include "ui/construction_script.h"
#include "ui/workspace.h"

namespace velt::test {

struct XY {
  double x = 0, y = 0;
};

struct Scenario {
  Workspace ws;
  ScriptResult result;

  Scenario() = default;
  // Plays the script on a new 800 x 600 document centred on the origin.
  explicit Scenario(std::string_view script, ScriptSettings window = {}) { Play(script, window); }

  void Play(std::string_view script, ScriptSettings window = {}) {
    result = RunScript(ws, script, window);
    Renumber(ws.doc().elements());
  }
  bool ok() const { return !result.failure; }
  std::string failure() const {
    return result.failure
               ? "line " + std::to_string(result.failure->line) + ": " + result.failure->reason
               : "";
  }

  Document& doc() { return ws.doc(); }
  // Elements in the list, with their sub-elements.
  int Count() { return CountWithSubElements(doc().elements()); }
  // The element with this number; a test failure and a stand-in when there is none.
  const Element& E(int number) {
    if (const Element* e = FindByNumber(doc().elements(), number)) return *e;
    ADD_FAILURE() << "no element " << number;
    static const Element missing = [] {
      Element m;
      m.kind = -1;
      return m;
    }();
    return missing;
  }
  int Kind(int number) { return E(number).kind; }
  // The numbers of parent1..parent3, -1 for an empty slot.
  std::array<int, 3> Parents(int number) {
    const Element& e = E(number);
    std::array<int, 3> out{-1, -1, -1};
    for (int i = 0; i < 3; ++i)
      if (e.parent[i]) out[i] = e.parent[i]->number;
    return out;
  }
  XY At(int number) { return {E(number).value[0], E(number).value[1]}; }
  XY Second(int number) { return {E(number).value[2], E(number).value[3]}; }
};

using P3 = std::array<int, 3>;

}  // namespace velt::test

// Plane positions compared to a few ulps of the numbers involved.
#define EXPECT_AT(v, ex, ey)          \
  do {                                \
    const ::velt::test::XY at_ = (v); \
    EXPECT_NEAR(at_.x, (ex), 1e-9);   \
    EXPECT_NEAR(at_.y, (ey), 1e-9);   \
  } while (0)
