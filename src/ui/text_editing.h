#pragma once
// What the text editor edits: lines of fragments, each in one font, as the editor shows them
// (the Symbol face in Greek letters); and how that becomes a text element's lines and runs.
#include <string>
#include <vector>

#include "model/element.h"

namespace velt {

struct TextFragment {
  std::string text;  // UTF-8
  Font font;
  bool operator==(const TextFragment&) const = default;
};

struct EditedText {
  Font font;  // the editor's current font: the text's own font and colour
  std::vector<std::vector<TextFragment>> lines;
  // True when no line holds a character.
  bool Empty() const;
};

// A stored text as the editor shows it: each line split where its runs change, the
// Symbol face in Greek letters.
EditedText EditedTextOf(const TextExt& text);

// Writes an edited text into a text element's fields: its font, one string per line (an empty
// line as a single blank), and the runs: a run ends wherever the next character's font
// differs; a line break counts as two characters of the run it falls in; Greek letters in
// the Symbol face are stored at their Symbol code points.
void StoreEditedText(const EditedText& edited, TextExt& text);

}  // namespace velt
