#include "view/rich_text.h"

#include <algorithm>

#include "view/draw_context.h"
#include "view/greek_symbols.h"

namespace velt {
namespace {

// Bytes of the UTF-8 character starting at s[i].
size_t CharLength(const std::string& s, size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
  return std::min(n, s.size() - i);
}

// Walks the runs: which run covers the next character, and how much of it is left.
class RunCursor {
 public:
  explicit RunCursor(const TextExt& t) : t_(t) { Settle(); }
  const Font& CurrentFont() const {
    return index_ < t_.runs.size() ? t_.runs[index_].font : t_.font;
  }
  size_t Index() const { return index_; }
  void Consume(int32_t n) {
    left_ -= n;
    Settle();
  }

 private:
  void Settle() {
    while (index_ < t_.runs.size() && left_ <= 0) {
      if (started_) ++index_;
      started_ = true;
      if (index_ < t_.runs.size()) left_ += std::max(0, t_.runs[index_].length);
    }
  }
  const TextExt& t_;
  size_t index_ = 0;
  int32_t left_ = 0;
  bool started_ = false;
};

}  // namespace

RichTextLayout LayOutRichText(const TextMeasure& measure, const TextExt& t, int screenDpi) {
  RichTextLayout out;
  RunCursor cursor(t);
  int top = 0;
  for (const std::string& text : t.lines) {
    RichTextLine line;
    line.top = top;
    auto addPiece = [&](std::string s, const Font& f) {
      RichTextPiece piece{std::move(s), ToTextFont(f, screenDpi), f.colour, line.width, 0};
      const TextExtent wg = measure.Measure("Wg", piece.font);
      piece.ascent = wg.ascent;
      line.height = std::max(line.height, wg.height);
      line.ascent = std::max(line.ascent, wg.ascent);
      line.width += measure.Measure(piece.text, piece.font).width;
      line.pieces.push_back(std::move(piece));
    };
    if (text.empty()) {
      const TextExtent wg = measure.Measure("Wg", ToTextFont(cursor.CurrentFont(), screenDpi));
      line.height = wg.height;
      line.ascent = wg.ascent;
    }
    size_t i = 0;
    while (i < text.size()) {
      // The longest stretch of characters in the current run.
      const size_t run = cursor.Index();
      const Font font = cursor.CurrentFont();
      size_t j = i;
      while (j < text.size() && cursor.Index() == run) {
        j += CharLength(text, j);
        cursor.Consume(1);
      }
      // The Symbol face shows its Greek letters (there is no Symbol font to draw it).
      std::string piece = text.substr(i, j - i);
      if (IsSymbolFace(font.face)) piece = SymbolToGreek(piece);
      addPiece(std::move(piece), font);
      i = j;
    }
    cursor.Consume(2);  // the line break belongs to the run too
    top += line.height;
    out.width = std::max(out.width, line.width);
    out.lines.push_back(std::move(line));
  }
  out.height = top;
  return out;
}

}  // namespace velt
