// Feeds arbitrary bytes to the language-file reader. Every entry must name a number the
// reader accepts and hold valid UTF-8 without a line break; the entries written as a file
// must read back the same; a table loaded from them keeps every text within its slot.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/language_file.h"
#include "io/text_encoding.h"
#include "ui/language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velt;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<LanguageEntry> entries = ParseLanguageFile(bytes);
  size_t lines = 1;
  for (char ch : bytes) lines += ch == '\n';
  if (entries.size() > lines) std::abort();
  for (const LanguageEntry& e : entries) {
    if (e.number < 0 || e.number > 1000000) std::abort();
    if (e.text.find('\n') != std::string::npos) std::abort();
    // A line of at most 255 bytes gives a text of at most 253 characters ("1=" first).
    if (Utf8Length(e.text) > kMaxLanguageLine - 2) std::abort();
    // Every text is a text of the file's code page, and goes back to it unchanged.
    if (Cp1252ToUtf8(Utf8ToCp1252(e.text)) != e.text) std::abort();
    if (!e.text.empty() && (e.text.front() == ' ' || e.text.front() == '\t')) std::abort();
  }
  if (ParseLanguageFile(LanguageFileBytes(entries, "fuzz")) != entries) std::abort();
  LanguageTable table;
  table.Apply(entries);
  for (const LanguageEntry& e : table.Entries())
    if (Utf8Length(e.text) > LanguageTable::Capacity(e.number)) std::abort();
  return 0;
}
