#pragma once
// A document: one open figure with its construction list, view, styles and history.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/element.h"
#include "model/options.h"

namespace velt {

inline constexpr int kMaxTraces = 100;
inline constexpr int kMaxAnimations = 100;
inline constexpr int kMaxMacros = 100;

struct Animation {
  Element* element = nullptr;
  int32_t playing = 1;
  int32_t reversed = 1;
  int32_t speed = 15;
};

using ElementList = std::vector<ElementPtr>;

// What an undo step captures: the construction list with its traces and animations.
struct Figure {
  ElementList elements;
  std::vector<Element*> traces;       // at most kMaxTraces
  std::vector<Animation> animations;  // at most kMaxAnimations
};

struct MacroHeader {
  std::vector<int16_t> parameters;
  std::string name;
  std::vector<std::string> description;
};

struct Macro {
  int32_t version = 700;
  MacroHeader header;
  ElementList elements;
};

// Snapshots are compact encodings of a figure (model/snapshot.h). The last one may be held
// as the figure itself instead (`liveTail`, its bytes left empty): the figure an undo left
// behind, encoded only when a change has to keep it apart from the document's figure.
struct UndoHistory {
  std::vector<std::string> snapshots;
  std::shared_ptr<Figure> liveTail;
  int position = 0;
  bool tailSaved = false;
  int count() const { return static_cast<int>(snapshots.size()); }
};

struct Document {
  // The construction list with its traces and animations.
  std::shared_ptr<Figure> figure = std::make_shared<Figure>();

  double viewLeft = -400, viewTop = 300, viewRight = 400, viewBottom = -300;
  int32_t modified = 0;
  int32_t undoRecorded = 0, undoTopSaved = 0;
  int32_t tracesDrawn = 0;
  int32_t pasteCount = 0;
  int32_t backgroundColour = 0;
  int32_t hiddenColour = 48830;
  int32_t selectionColour = 16755370;
  Font cursorFont, nameFont, numberFont, textFont;
  std::array<int32_t, kTypeCount> typeColours = DefaultTypeColours();
  std::array<int32_t, kTypeCount> typeStyles = DefaultTypeStyles();
  int32_t lengthUnit = 1;
  int32_t angleUnit = 0;
  double measureScale = 40.0;
  int32_t coordinateSystem = 0;
  int32_t antiAliased = 0;
  std::string fileName;  // UTF-8 path; empty until saved
  std::string title;
  std::vector<Macro> macros;  // at most kMaxMacros
  UndoHistory undo;

  ElementList& elements() { return figure->elements; }
  const ElementList& elements() const { return figure->elements; }
  Element* first() const {
    return figure->elements.empty() ? nullptr : figure->elements.front().get();
  }
  Element* last() const {
    return figure->elements.empty() ? nullptr : figure->elements.back().get();
  }
};

// A new document with the colours, fonts, units and per-type tables of the options.
std::unique_ptr<Document> MakeDocument(const Options& options);
// Copies the document-level options into an existing document.
void ApplyOptionsToDocument(const Options& options, Document& doc);
// The document's three colours and its unit settings become the options' ("Guardar opciones").
void TakeDocumentSettings(const Document& doc, Options& options);

}  // namespace velt
