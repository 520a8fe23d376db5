// The document list window's model: walking, Escape back, saving and closing.
#include "ui/document_list.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

struct Answers : DocumentHost {
  SaveAnswer answer = SaveAnswer::No;
  std::vector<std::string> savedTitles;
  SaveAnswer AskSaveChanges(Document&) override { return answer; }
  bool SaveDocument(Document& d) override {
    savedTitles.push_back(d.title);
    d.modified = 0;
    return true;
  }
};

struct ThreeDocuments {
  Options opt;
  DocumentSet set;
  Document *d1, *d2, *d3;
  ThreeDocuments() {
    d1 = set.NewDocument(opt);
    d2 = set.NewDocument(opt);
    d3 = set.NewDocument(opt);
    set.SwitchTo(d1);
  }
};

TEST(DocumentList, EscapeAfterSelectingTheThirdShowsTheFirstAgain) {
  ThreeDocuments t;
  DocumentListSession s(t.set);
  EXPECT_EQ(s.Rows(), (std::vector<std::string>{"Documento 1", "Documento 2", "Documento 3"}));
  EXPECT_EQ(s.CurrentRow(), 0);
  ASSERT_TRUE(s.Select(2));
  EXPECT_EQ(t.set.current(), t.d3);
  EXPECT_FALSE(s.Select(3));
  EXPECT_EQ(t.set.current(), t.d3);
  s.Cancel();
  EXPECT_EQ(t.set.current(), t.d1);
}

TEST(DocumentList, ButtonsWalkAndCycle) {
  ThreeDocuments t;
  DocumentListSession s(t.set);
  s.Previous();
  EXPECT_EQ(s.CurrentRow(), 2) << "previous cycles from the first to the last";
  s.Next();
  EXPECT_EQ(s.CurrentRow(), 0);
  s.Last();
  EXPECT_EQ(s.CurrentRow(), 2);
  s.First();
  EXPECT_EQ(s.CurrentRow(), 0);
  s.Next();
  EXPECT_EQ(t.set.current(), t.d2);
}

TEST(DocumentList, SaveIsOfferedOnlyForAModifiedDocument) {
  ThreeDocuments t;
  t.d2->modified = 1;
  DocumentListSession s(t.set);
  EXPECT_FALSE(s.CanSave());
  s.Select(1);
  EXPECT_TRUE(s.CanSave());
  Answers host;
  ASSERT_TRUE(s.Save(host));
  EXPECT_EQ(host.savedTitles, std::vector<std::string>{"Documento 2"});
  EXPECT_FALSE(s.CanSave());
}

TEST(DocumentList, ClosingTheDocumentAtOpeningLeavesEscapeWhereItIs) {
  ThreeDocuments t;
  DocumentListSession s(t.set);
  Answers host;
  EXPECT_FALSE(s.CloseCurrent(host, t.opt)) << "two documents are left";
  EXPECT_EQ(s.Rows(), (std::vector<std::string>{"Documento 2", "Documento 3"}));
  Document* now = t.set.current();
  s.Cancel();
  EXPECT_EQ(t.set.current(), now);
  // A cancelled save question keeps the document and the window.
  t.set.current()->modified = 1;
  host.answer = SaveAnswer::Cancel;
  EXPECT_FALSE(s.CloseCurrent(host, t.opt));
  EXPECT_EQ(t.set.count(), 2);
}

TEST(DocumentList, ClosingTheLastDocumentClosesTheWindowOnThePlaceholder) {
  Options opt;
  DocumentSet set;
  set.NewDocument(opt);
  DocumentListSession s(set);
  Answers host;
  EXPECT_TRUE(s.CloseCurrent(host, opt));
  EXPECT_TRUE(set.placeholder());
  EXPECT_EQ(set.count(), 1);
  EXPECT_FALSE(s.CanSave());
  s.Cancel();
  EXPECT_TRUE(set.placeholder());
}

}  // namespace
}  // namespace velt
