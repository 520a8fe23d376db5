#include "model/document_set.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

struct ScriptedHost : DocumentHost {
  SaveAnswer answer = SaveAnswer::No;
  int asked = 0, saved = 0;
  SaveAnswer AskSaveChanges(Document&) override {
    ++asked;
    return answer;
  }
  bool SaveDocument(Document&) override {
    ++saved;
    return true;
  }
};

TEST(Documents, TitlesLimitAndCycling) {
  Options opt;
  DocumentSet set;
  Document* d1 = set.NewDocument(opt);
  Document* d2 = set.NewDocument(opt);
  Document* d3 = set.NewDocument(opt);
  EXPECT_EQ(d3->title, "Documento 3");
  EXPECT_EQ(set.current(), d3);
  set.SwitchNext();
  EXPECT_EQ(set.current(), d1);
  set.SwitchPrevious();
  EXPECT_EQ(set.current(), d3);
  set.SwitchTo(d1);
  set.SwitchPrevious();
  EXPECT_EQ(set.current(), d3);

  ScriptedHost host;
  ASSERT_TRUE(set.Close(d2, host, opt));
  EXPECT_EQ(set.indexOf(d3), 1);
  EXPECT_EQ(set.current(), d3);
  EXPECT_EQ(host.asked, 0);  // not modified: no question

  while (set.count() < kMaxDocuments) ASSERT_NE(set.NewDocument(opt), nullptr);
  Document* before = set.current();
  EXPECT_EQ(set.NewDocument(opt), nullptr);  // the 100th is refused
  EXPECT_EQ(set.current(), before);
  EXPECT_EQ(set.count(), kMaxDocuments);
}

TEST(Documents, ClosingAsksAndCancelKeeps) {
  Options opt;
  DocumentSet set;
  Document* d = set.NewDocument(opt);
  d->modified = 1;
  ScriptedHost host;
  host.answer = SaveAnswer::Cancel;
  EXPECT_FALSE(set.CloseCurrent(host, opt));
  EXPECT_EQ(set.count(), 1);
  EXPECT_EQ(set.current(), d);
  host.answer = SaveAnswer::Yes;
  EXPECT_TRUE(set.CloseCurrent(host, opt));
  EXPECT_EQ(host.saved, 1);
  EXPECT_TRUE(set.placeholder());
  ASSERT_NE(set.current(), nullptr);  // the placeholder stands in
  Document* again = set.NewDocument(opt);
  EXPECT_EQ(again->title, "Documento 1");
  EXPECT_FALSE(set.placeholder());
  EXPECT_EQ(set.count(), 1);
}

TEST(Documents, CloseAllStopsAtCancelAndFindsPathsIgnoringCase) {
  Options opt;
  DocumentSet set;
  Document* a = set.NewDocument(opt);
  a->fileName = "/tmp/Figura.vlt";
  set.NewDocument(opt)->modified = 1;
  set.NewDocument(opt);
  EXPECT_EQ(set.FindByPath("/TMP/figura.VLT"), a);
  ScriptedHost host;
  host.answer = SaveAnswer::Cancel;
  EXPECT_FALSE(set.CloseAll(host, opt));
  EXPECT_EQ(set.count(), 2);
  host.answer = SaveAnswer::No;
  EXPECT_TRUE(set.CloseAll(host, opt));
  EXPECT_TRUE(set.placeholder());
}

}  // namespace
}  // namespace velt
