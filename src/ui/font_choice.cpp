#include "ui/font_choice.h"

#include <algorithm>

namespace velt {

Font FitFont(Font f) {
  f.size = std::clamp(f.size, 1, kMaxFontPoints);
  if (f.face.empty()) f.face = "Arial";
  return f;
}

FontsSession::FontsSession(Document& doc) : doc_(doc) {
  for (int i = 0; i < kDocumentFontCount; ++i) saved_[i] = DocumentFont(doc, i);
}

void FontsSession::Replace(int row, const Font& font) {
  DocumentFont(doc_, Row(row)) = FitFont(font);
}

bool FontsSession::Confirm() {
  for (int i = 0; i < kDocumentFontCount; ++i) {
    if (!(DocumentFont(doc_, i) == saved_[i])) {
      doc_.modified = 1;
      return true;
    }
  }
  return false;
}

void FontsSession::Cancel() {
  for (int i = 0; i < kDocumentFontCount; ++i) DocumentFont(doc_, i) = saved_[i];
}

}  // namespace velt
