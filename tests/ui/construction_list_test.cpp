// The construction list window's rows and its text.
#include "ui/construction_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/builders.h"

namespace velt {
namespace {

using test::Add;
using test::AddPoint;

Element* Named(Document& doc, Element* e, const std::string& name) {
  Element* n = Add(doc, kName, {e});
  n->as<NameExt>()->text = name;
  e->nameElement = n;
  return e;
}

struct ListFigure {
  Document doc;
  LanguageTable language;
  Element *a, *b, *hidden, *s, *text;
  ListFigure() {
    a = Named(doc, AddPoint(doc, 0, 0), "A");
    b = Named(doc, AddPoint(doc, 10, 0), "B");
    hidden = AddPoint(doc, 5, 5);
    hidden->visibility = 0;
    s = Named(doc, Add(doc, kSegment, {a, b}), "s");
    Element* helper = AddPoint(doc, 1, 1);
    helper->visibility = 100;  // never drawn: not counted
    Element* gone = Add(doc, kMidpoint, {a, hidden});
    gone->exists = 0;  // does not exist: not counted
    text = Add(doc, kText, {});
    text->as<TextExt>()->lines = {"first line", "second"};
    for (auto& e : doc.elements())
      if (e->kind != kMidpoint) e->exists = 1;
  }
};

TEST(ConstructionList, NumbersCountHiddenElementsAndListThemOnDemand) {
  ListFigure f;
  const std::string point = f.language.Get(30 + kFreePoint);
  const std::string segment = f.language.Get(30 + kSegment);
  std::vector<ListRow> rows = ConstructionRows(f.doc, f.language, false, nullptr);
  ASSERT_EQ(rows.size(), 4u);  // A, B, s, the text; the hidden point is numbered, not listed
  EXPECT_EQ(rows[0].number, 1);
  EXPECT_EQ(rows[0].first, point + " A");
  EXPECT_EQ(rows[1].number, 2);
  EXPECT_EQ(rows[2].number, 4);  // the hidden point is 3
  EXPECT_EQ(rows[2].first, segment + " s");
  EXPECT_EQ(rows[2].description, "A,B");
  EXPECT_EQ(rows[3].number, 5);
  EXPECT_EQ(rows[3].description, "first line...");
  // Show-all lists it with its number unchanged, as not shown.
  rows = ConstructionRows(f.doc, f.language, true, nullptr);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[2].number, 3);
  EXPECT_FALSE(rows[2].shown);
  EXPECT_EQ(rows[2].first, point);  // no name: the kind alone
  // The highlighted element is listed too.
  EXPECT_EQ(ConstructionRows(f.doc, f.language, false, f.hidden).size(), 5u);
}

TEST(ConstructionList, ReferencesWithoutNamesShowAnUnderscore) {
  ListFigure f;
  Element* m = Add(f.doc, kMidpoint, {f.a, f.hidden});
  m->exists = 1;
  const std::vector<ListRow> rows = ConstructionRows(f.doc, f.language, false, nullptr);
  EXPECT_EQ(rows.back().description, "A,_");
  f.text->as<TextExt>()->lines.clear();
  EXPECT_EQ(ConstructionRows(f.doc, f.language, false, nullptr)[3].description, "_");
}

TEST(ConstructionList, ListKindsShowWhatTheyAreBuiltOn) {
  ListFigure f;
  Element* c = Named(f.doc, AddPoint(f.doc, 0, 9), "C");
  Element* poly = test::AddWithPicks(f.doc, kPolygon, {f.a, f.b, c});
  Element* calc = test::AddWithPicks(f.doc, kCalculation, {f.s, f.a});
  for (Element* e : {c, poly, calc}) e->exists = 1;
  const std::vector<ListRow> rows = ConstructionRows(f.doc, f.language, false, nullptr);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[5].description, "A,B,C");  // the vertices
  EXPECT_EQ(rows[6].description, "s,A");    // the variables
}

TEST(ConstructionList, TextUsesThePlatformsLineEnds) {
  ListFigure f;
  const std::vector<ListRow> rows = ConstructionRows(f.doc, f.language, false, nullptr);
  const std::string point = f.language.Get(30 + kFreePoint);
  const std::string text = ConstructionListText(rows, "\n");
  // A point built from nothing has no description: no ": ".
  EXPECT_EQ(text.substr(0, text.find('\n') + 1), "1. " + point + " A\n");
  EXPECT_NE(text.find("4. " + f.language.Get(30 + kSegment) + " s: A,B\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  const std::string windows = ConstructionListText(rows, "\r\n");
  EXPECT_EQ(windows.substr(windows.size() - 2), "\r\n");
  // An empty list is an empty text.
  Document empty;
  EXPECT_EQ(ConstructionListText(ConstructionRows(empty, f.language, true, nullptr), "\n"), "");
}

TEST(ConstructionList, StepsStayInsideTheList) {
  EXPECT_EQ(StepRow(0, 5, ListStep::Previous), 0);
  EXPECT_EQ(StepRow(4, 5, ListStep::Next), 4);
  EXPECT_EQ(StepRow(2, 5, ListStep::Next), 3);
  EXPECT_EQ(StepRow(2, 5, ListStep::First), 0);
  EXPECT_EQ(StepRow(2, 5, ListStep::Last), 4);
  EXPECT_EQ(StepRow(0, 0, ListStep::Next), -1);
}

}  // namespace
}  // namespace velt
