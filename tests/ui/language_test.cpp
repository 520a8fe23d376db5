#include <gtest/gtest.h>

#include <set>

#include "model/kinds.h"
#include "ui/strings.h"
#include "ui/strings_files.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

TEST(Language, BuiltInTextsAreSpanishAndReplaceable) {
  LanguageTable t;
  EXPECT_EQ(t.Get(1), "punto");
  EXPECT_EQ(t.Get(2), "recta");
  EXPECT_EQ(t.Get(str::KindName(kConic)), "Cónica por 5 puntos");
  EXPECT_EQ(t.Get(999999), "");
  t.Set(1, "point");
  EXPECT_EQ(t.Get(1), "point");
}

TEST(Language, FixedNumbersHoldTheirTexts) {
  // Language files of every language name these numbers; they must not mean anything else.
  LanguageTable t;
  EXPECT_EQ(t.Get(1011), "¿ Guardar las opciones actuales ?");
  EXPECT_EQ(t.Get(1014), "No se encuentran ficheros de lenguaje");
  std::set<int> seen;
  for (auto area : {str::KindAndTypeStrings(), str::WindowStrings(), str::FileStrings()}) {
    for (const StringEntry& e : area) {
      EXPECT_TRUE(seen.insert(e.number).second) << "string " << e.number << " defined twice";
      EXPECT_NE(e.number, 1150) << "1150 is kept for the question before printing a picture";
    }
  }
}

}  // namespace
}  // namespace velt
