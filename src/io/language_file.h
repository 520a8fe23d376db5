#pragma once
// Language files (*.lng): Windows-1252 text, one "number = text" entry per line, ";" comments.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velt {

// Longest line read; the rest of a longer line is dropped.
inline constexpr size_t kMaxLanguageLine = 255;

struct LanguageEntry {
  int number = 0;
  std::string text;  // UTF-8

  bool operator==(const LanguageEntry&) const = default;
};

// The entries of a language file in the order of its lines. Comments, lines without "=" and
// lines whose left side is not a number are skipped; a minus sign before the number is
// ignored; blanks before the text are skipped and the rest of the line is the text.
std::vector<LanguageEntry> ParseLanguageFile(std::string_view bytes);

// The file's entries, or nothing when it cannot be read.
std::optional<std::vector<LanguageEntry>> ReadLanguageFile(const std::filesystem::path& path);

// The bytes of a language file that gives each entry on its own line, after a comment.
std::string LanguageFileBytes(const std::vector<LanguageEntry>& entries, std::string_view comment);

}  // namespace velt
