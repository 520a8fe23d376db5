// Language files: the line rules, slot capacities, and the shipped files against the
// built-in table.
#include "io/language_file.h"

#include <gtest/gtest.h>

#include <set>

#include "io/text_encoding.h"
#include "ui/language.h"

namespace velt {
namespace {

std::filesystem::path LanguagesFolder() {
  // tests/data sits two folders below the sources, beside which the languages are.
  return std::filesystem::path(VELT_TEST_DATA).parent_path().parent_path() / "languages";
}

TEST(LanguageFile, LineRules) {
  const std::string bytes =
      "; a comment\n"
      "-12=minus ignored\r\n"
      "  ;7=a comment after blanks\n"
      "8 no equals sign\n"
      "  9 =   blanks before the number and the text\n"
      "x10=not a number\n"
      "11=\n"
      "12=later wins\n"
      "13=a=b keeps the second sign\n"
      "\n"
      "14 5=two numbers\n"
      "=no number\n"
      "15=\xE1rbol\xA0\x80\n";
  const std::vector<LanguageEntry> got = ParseLanguageFile(bytes);
  const std::vector<LanguageEntry> want = {
      {12, "minus ignored"},
      {9, "blanks before the number and the text"},
      {11, ""},
      {12, "later wins"},
      {13, "a=b keeps the second sign"},
      {15, "árbol\u00A0€"},
  };
  EXPECT_EQ(got, want);
}

TEST(LanguageFile, LongLinesAreCutAndNeverSpillIntoAnotherEntry) {
  // 300 characters: the text would carry "77=spill" past character 255.
  std::string line = "5=" + std::string(253, 'a') + "77=spill" + std::string(40, 'b');
  const auto got = ParseLanguageFile(line + "\n6=next\n");
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].number, 5);
  EXPECT_EQ(got[0].text, std::string(253, 'a'));
  EXPECT_EQ(got[1], (LanguageEntry{6, "next"}));
}

TEST(LanguageTable, EntriesFillTheirSlotsUpToTheirCapacity) {
  LanguageTable t;
  const std::string before3 = t.Get(3);
  t.Apply({{1, std::string(200, 'p')},
           {1011, std::string(200, 'q')},
           {2020, std::string(130, 'r')},
           {12, "número"},
           {999999, "names nothing"},
           {1, "pünto"}});
  EXPECT_EQ(t.Get(1), "pünto");  // the later line wins
  EXPECT_EQ(t.Get(1011), std::string(127, 'q'));
  EXPECT_EQ(t.Get(2020), std::string(127, 'r'));
  EXPECT_EQ(t.Get(3), before3);  // not named: unchanged
  EXPECT_FALSE(t.Names(999999));
  EXPECT_EQ(t.Get(999999), "");
  t.Apply({{2, std::string(79, 'x') + "éé"}});
  EXPECT_EQ(t.Get(2), std::string(79, 'x'));
  // A 200-character text with accents keeps 79 characters, not 79 bytes.
  t.Apply({{6, [] {
              std::string s;
              for (int i = 0; i < 100; ++i) s += "é";
              return s;
            }()}});
  EXPECT_EQ(Utf8Length(t.Get(6)), 79u);
  EXPECT_EQ(t.Get(6).size(), 158u);
}

TEST(LanguageTable, SpanishIsToldByItsFirstTwoNames) {
  LanguageTable t;
  EXPECT_TRUE(t.IsSpanish());
  t.Apply({{1, "Punto"}, {2, "RECTA"}});
  EXPECT_TRUE(t.IsSpanish());
  t.Apply({{2, "line"}});
  EXPECT_FALSE(t.IsSpanish());
}

TEST(ShippedLanguages, EnglishNamesEveryTextAndNothingElse) {
  const auto entries = ReadLanguageFile(LanguagesFolder() / "English.lng");
  ASSERT_TRUE(entries.has_value());
  const LanguageTable& builtIn = BuiltInLanguage();
  std::set<int> named;
  for (const LanguageEntry& e : *entries) {
    EXPECT_TRUE(builtIn.Names(e.number)) << e.number << " names no text";
    EXPECT_TRUE(named.insert(e.number).second) << e.number << " twice";
    EXPECT_LE(Utf8Length(e.text), LanguageTable::Capacity(e.number)) << e.number;
    // A text is empty in English only where the Spanish one is.
    EXPECT_EQ(e.text.empty(), builtIn.Get(e.number).empty()) << e.number;
  }
  for (const LanguageEntry& e : builtIn.Entries())
    EXPECT_TRUE(named.count(e.number)) << e.number << " \"" << e.text << "\" has no English text";
  LanguageTable english;
  english.Apply(*entries);
  EXPECT_FALSE(english.IsSpanish());
}

TEST(ShippedLanguages, SpanishFileRepeatsTheBuiltInTexts) {
  const auto entries = ReadLanguageFile(LanguagesFolder() / "Español.lng");
  ASSERT_TRUE(entries.has_value());
  ASSERT_FALSE(entries->empty());
  for (const LanguageEntry& e : *entries)
    EXPECT_EQ(e.text, BuiltInLanguage().Get(e.number)) << e.number;
}

TEST(ShippedLanguages, BuiltInTextsSurviveALanguageFile) {
  for (const LanguageEntry& e : BuiltInLanguage().Entries()) {
    // A text longer than its slot would lose its end once a language file is loaded.
    EXPECT_LE(Utf8Length(e.text), LanguageTable::Capacity(e.number)) << e.number;
    // A language file drops blanks before a text, so no text may start with one.
    if (!e.text.empty()) {
      EXPECT_NE(e.text.front(), ' ') << e.number;
    }
  }
}

}  // namespace
}  // namespace velt
