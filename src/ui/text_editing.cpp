#include "ui/text_editing.h"

#include <algorithm>

#include "view/greek_symbols.h"

namespace velt {
namespace {

constexpr int32_t kLineBreakLength = 2;

size_t CharLength(const std::string& s, size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
  return std::min(n, s.size() - i);
}

// Runs as they are built: consecutive stretches of equal fonts.
class RunBuilder {
 public:
  void Add(const Font& f, int32_t n) {
    if (!runs_.empty() && runs_.back().font == f)
      runs_.back().length += n;
    else
      runs_.push_back({f, n});
  }
  // A line break belongs to the run it falls in: the run of the character before it.
  void AddBreak(const Font& fallback) {
    if (runs_.empty())
      runs_.push_back({fallback, kLineBreakLength});
    else
      runs_.back().length += kLineBreakLength;
  }
  const Font* Last() const { return runs_.empty() ? nullptr : &runs_.back().font; }
  std::vector<TextRun> Take() { return std::move(runs_); }

 private:
  std::vector<TextRun> runs_;
};

}  // namespace

bool EditedText::Empty() const {
  return std::all_of(lines.begin(), lines.end(), [](const auto& line) {
    return std::all_of(line.begin(), line.end(), [](const auto& f) { return f.text.empty(); });
  });
}

EditedText EditedTextOf(const TextExt& t) {
  EditedText out;
  out.font = t.font;
  size_t run = 0;
  int64_t left = t.runs.empty() ? 0 : t.runs[0].length;
  // The font of the next character, moving past the runs it has used up.
  auto settle = [&] {
    while (run < t.runs.size() && left <= 0) {
      ++run;
      if (run < t.runs.size()) left += std::max(0, t.runs[run].length);
    }
  };
  auto fontNow = [&]() -> const Font& { return run < t.runs.size() ? t.runs[run].font : t.font; };
  settle();
  for (const std::string& s : t.lines) {
    std::vector<TextFragment> line;
    size_t i = 0;
    while (i < s.size()) {
      const size_t n = CharLength(s, i);
      const Font& f = fontNow();
      if (line.empty() || !(line.back().font == f)) line.push_back({"", f});
      line.back().text.append(s, i, n);
      i += n;
      --left;
      settle();
    }
    left -= kLineBreakLength;
    settle();
    for (TextFragment& fr : line)
      if (IsSymbolFace(fr.font.face)) fr.text = SymbolToGreek(fr.text);
    out.lines.push_back(std::move(line));
  }
  return out;
}

void StoreEditedText(const EditedText& edited, TextExt& text) {
  text.font = edited.font;
  text.lines.clear();
  RunBuilder runs;
  bool first = true;
  for (const auto& line : edited.lines) {
    if (!first) runs.AddBreak(edited.font);
    first = false;
    std::string stored;
    for (const TextFragment& fr : line) {
      const std::string chars = IsSymbolFace(fr.font.face) ? GreekToSymbol(fr.text) : fr.text;
      int32_t count = 0;
      for (size_t i = 0; i < chars.size(); i += CharLength(chars, i)) ++count;
      if (count == 0) continue;
      runs.Add(fr.font, count);
      stored += chars;
    }
    if (stored.empty()) {
      // An empty line is kept as one blank, in the font of what stands before it.
      const Font* before = runs.Last();
      runs.Add(before ? *before : edited.font, 1);
      stored = " ";
    }
    text.lines.push_back(std::move(stored));
  }
  text.runs = runs.Take();
}

}  // namespace velt
