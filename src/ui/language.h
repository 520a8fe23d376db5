#pragma once
// The language table: every text the user sees, by string number. The built-in texts are
// Spanish; a language file can replace any of them.
#include <map>
#include <string>
#include <string_view>

namespace velt {

struct StringEntry {
  int number;
  std::string_view text;  // UTF-8
};

class LanguageTable {
 public:
  LanguageTable();  // the built-in texts
  // The text of a string number; empty when the number names nothing.
  const std::string& Get(int number) const;
  void Set(int number, std::string text);

 private:
  std::map<int, std::string> slots_;
};

// The built-in texts, for code that draws or describes elements without a window's table.
const LanguageTable& BuiltInLanguage();

}  // namespace velt
