#pragma once
// The language table: every text the user sees, by string number. The built-in texts are
// Spanish; a language file can replace any of them.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "io/language_file.h"

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

  // Whether a language file's number names a text of this table.
  bool Names(int number) const { return slots_.count(number) != 0; }
  // Characters a text of that number may hold: 127 for the long messages (1000..1199,
  // 2000..2099), 79 for everything else.
  static size_t Capacity(int number);
  // Stores each entry whose number names a text, cut to the capacity of its slot; later
  // entries win; numbers that name nothing are ignored.
  void Apply(const std::vector<LanguageEntry>& entries);
  // Every text with its number, in increasing order of numbers.
  std::vector<LanguageEntry> Entries() const;
  // The Spanish table is the one whose first two type names read "PUNTO" and "RECTA".
  bool IsSpanish() const;

 private:
  std::map<int, std::string> slots_;
};

// The built-in texts, for code that draws or describes elements without a window's table.
const LanguageTable& BuiltInLanguage();

}  // namespace velt
