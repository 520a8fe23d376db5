#pragma once
// The fonts window's model: the four document fonts changed at once, with the fonts at
// opening kept so that Cancel can put them back.
#include <array>

#include "model/document.h"
#include "ui/appearance_settings.h"

namespace velt {

inline constexpr int kMaxFontPoints = 72;

// A chosen font made fit for a document: its size between 1 and 72 points, a face.
Font FitFont(Font f);

class FontsSession {
 public:
  explicit FontsSession(Document& doc);

  const Font& FontOf(int row) const { return DocumentFont(doc_, Row(row)); }
  // The chosen font replaces the row's document font at once.
  void Replace(int row, const Font& font);
  // OK: the document is marked modified when a font differs from the one at opening.
  bool Confirm();
  // Cancel: the fonts at opening go back into the document.
  void Cancel();

 private:
  static int Row(int row) { return row < 0 ? 0 : row >= kDocumentFontCount ? 3 : row; }
  Document& doc_;
  std::array<Font, kDocumentFontCount> saved_;
};

}  // namespace velt
