#include "io/language_file.h"

#include "io/safe_file.h"
#include "io/text_encoding.h"

namespace velt {
namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

// One line, already cut to its first 255 characters.
std::optional<LanguageEntry> ParseLine(std::string_view line) {
  size_t i = 0;
  while (i < line.size() && Blank(line[i])) ++i;
  if (i == line.size() || line[i] == ';') return std::nullopt;
  const size_t eq = line.find('=', i);
  if (eq == std::string_view::npos) return std::nullopt;
  if (line[i] == '-') ++i;
  long long number = 0;
  size_t digits = 0;
  for (; i < eq && line[i] >= '0' && line[i] <= '9'; ++i, ++digits) {
    number = number * 10 + (line[i] - '0');
    if (number > 1000000) return std::nullopt;  // names no slot
  }
  while (i < eq && Blank(line[i])) ++i;
  if (digits == 0 || i != eq) return std::nullopt;
  size_t t = eq + 1;
  while (t < line.size() && Blank(line[t])) ++t;
  return LanguageEntry{static_cast<int>(number), Cp1252ToUtf8(line.substr(t))};
}

}  // namespace

std::vector<LanguageEntry> ParseLanguageFile(std::string_view bytes) {
  std::vector<LanguageEntry> out;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A longer line loses its tail: the tail never becomes an entry of its own.
    if (line.size() > kMaxLanguageLine) line = line.substr(0, kMaxLanguageLine);
    if (auto e = ParseLine(line)) out.push_back(std::move(*e));
  }
  return out;
}

std::optional<std::vector<LanguageEntry>> ReadLanguageFile(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return ParseLanguageFile(*bytes);
}

std::string LanguageFileBytes(const std::vector<LanguageEntry>& entries, std::string_view comment) {
  std::string out;
  if (!comment.empty()) out += "; " + Utf8ToCp1252(comment) + "\r\n";
  for (const LanguageEntry& e : entries)
    out += std::to_string(e.number) + "=" + Utf8ToCp1252(e.text) + "\r\n";
  return out;
}

}  // namespace velt
