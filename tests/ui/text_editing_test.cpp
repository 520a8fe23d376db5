// Edited texts and their stored lines and runs; Symbol-face letters shown as Greek.
#include "ui/text_editing.h"

#include <gtest/gtest.h>

#include "view/greek_symbols.h"

namespace velt {
namespace {

Font Arial() { return Font{}; }
Font Bold() {
  Font f;
  f.bold = 1;
  return f;
}
Font Symbol() {
  Font f;
  f.face = "Symbol";
  return f;
}

TEST(TextRuns, OneFontIsOneRunOfEveryCharacter) {
  EditedText e{Arial(), {{{"Punto medio", Arial()}}}};
  TextExt t;
  StoreEditedText(e, t);
  EXPECT_EQ(t.lines, std::vector<std::string>{"Punto medio"});
  ASSERT_EQ(t.runs.size(), 1u);
  EXPECT_EQ(t.runs[0].length, 11);
  // Characters, not bytes.
  EditedText accents{Arial(), {{{"ángulo ñ", Arial()}}}};
  StoreEditedText(accents, t);
  ASSERT_EQ(t.runs.size(), 1u);
  EXPECT_EQ(t.runs[0].length, 8);
}

TEST(TextRuns, ABoldMiddleWordMakesThreeRuns) {
  EditedText e{Arial(), {{{"uno ", Arial()}, {"dos", Bold()}, {" tres", Arial()}}}};
  TextExt t;
  StoreEditedText(e, t);
  ASSERT_EQ(t.runs.size(), 3u);
  EXPECT_EQ(t.runs[0].length, 4);
  EXPECT_EQ(t.runs[1].length, 3);
  EXPECT_EQ(t.runs[1].font.bold, 1);
  EXPECT_EQ(t.runs[2].length, 5);
  // Fragments of equal fonts side by side are one run.
  EditedText split{Arial(), {{{"ab", Arial()}, {"cd", Arial()}}}};
  StoreEditedText(split, t);
  ASSERT_EQ(t.runs.size(), 1u);
  EXPECT_EQ(t.runs[0].length, 4);
}

TEST(TextRuns, LineBreaksCountTwoAndEmptyLinesKeepABlank) {
  EditedText e{Arial(), {{{"ab", Arial()}}, {}, {{"cd", Bold()}}}};
  TextExt t;
  StoreEditedText(e, t);
  EXPECT_EQ(t.lines, (std::vector<std::string>{"ab", " ", "cd"}));
  // "ab", its break, the blank, its break: one run of 7; then "cd".
  ASSERT_EQ(t.runs.size(), 2u);
  EXPECT_EQ(t.runs[0].length, 7);
  EXPECT_EQ(t.runs[1].length, 2);
  // Read back the way it was written.
  const EditedText back = EditedTextOf(t);
  ASSERT_EQ(back.lines.size(), 3u);
  EXPECT_EQ(back.lines[0], (std::vector<TextFragment>{{"ab", Arial()}}));
  EXPECT_EQ(back.lines[1], (std::vector<TextFragment>{{" ", Arial()}}));
  EXPECT_EQ(back.lines[2], (std::vector<TextFragment>{{"cd", Bold()}}));
  EXPECT_TRUE((EditedText{Arial(), {{}, {{"", Bold()}}}}).Empty());
  EXPECT_FALSE(e.Empty());
}

TEST(TextRuns, GreekIsStoredAtTheSymbolCodePoints) {
  EditedText e{Arial(), {{{"x = ", Arial()}, {"απ", Symbol()}, {"!", Arial()}}}};
  TextExt t;
  StoreEditedText(e, t);
  EXPECT_EQ(t.lines, std::vector<std::string>{"x = ap!"});
  ASSERT_EQ(t.runs.size(), 3u);
  EXPECT_EQ(t.runs[1].length, 2);
  const EditedText back = EditedTextOf(t);
  EXPECT_EQ(back.lines[0][1].text, "απ");
  // Runs that cover less than the text leave the rest in the text's own font.
  t.runs.resize(1);
  const EditedText shortRuns = EditedTextOf(t);
  ASSERT_EQ(shortRuns.lines[0].size(), 1u);
  EXPECT_EQ(shortRuns.lines[0][0].text, "x = ap!");
}

TEST(GreekSymbols, LettersAndSignsMapBothWays) {
  EXPECT_EQ(SymbolToGreek("abgdpqW"), "αβγδπθΩ");
  EXPECT_EQ(GreekToSymbol("αβγδπθΩ"), "abgdpqW");
  // Latin-1 positions of the Symbol face: degree stays, the infinity and the sum map.
  EXPECT_EQ(SymbolToGreek("\xC2\xA5\xC2\xB0\xC3\xA5"), "∞°∑");
  EXPECT_EQ(GreekToSymbol("∞°∑"), "\xC2\xA5\xC2\xB0\xC3\xA5");
  // Digits, blanks and bytes that are not UTF-8 pass unchanged.
  EXPECT_EQ(SymbolToGreek("2 + 3"), "2 + 3");
  EXPECT_EQ(SymbolToGreek(std::string("\xFF"
                                      "a\xC3",
                                      3)),
            std::string("\xFF"
                        "α\xC3",
                        4));
  EXPECT_TRUE(IsSymbolFace("SYMBOL"));
  EXPECT_TRUE(IsSymbolFace("Symbol"));
  EXPECT_FALSE(IsSymbolFace("Symbols"));
}

}  // namespace
}  // namespace velt
