#pragma once
// Making a new element from a tool's template and appending it to a document.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/document.h"

namespace velt {

struct ElementTemplate {
  int32_t kind = 0;
  std::array<Element*, 3> parent{};
  std::array<double, 4> value{};
  int32_t attr1 = -1;
  int32_t attr2 = 0;
  int32_t style = -1;
  // Kinds with a variable number of parents: polygon vertices, conic points, button
  // targets (with their states), calculation variables, table columns, iteration elements.
  std::vector<Element*> picks;
  std::vector<int32_t> pickStates;

  // Back to the state of a fresh gesture.
  void Reset() { *this = ElementTemplate{}; }
};

// What creation takes from outside the document: the options and the window's settings.
struct CreationSettings {
  const Options* options = nullptr;      // decimals, angle-mark factor, locus points
  std::optional<int32_t> currentColour;  // the palette's colour when that setting is on
  std::string buttonCaption = "Botón";   // default caption of a new button
  double parameterValue = 0;             // value chosen in the parameter dialog
  // The answers a new checker of this kind shows, in the language in use (the checker's own
  // messages, which its edit dialog changes); none when unset.
  std::function<std::string(int32_t kind, bool holds)> checkerAnswer;
};

// The element of a template with every default of its kind and type, not yet in the list
// (a preview of what the template would make).
ElementPtr NewElementFromTemplate(const Document& doc, const ElementTemplate& tmpl,
                                  const CreationSettings& settings);
// Builds the element with every default of its kind and type, marks the document modified,
// appends the element and resets the template. Returns the new element.
Element* MakeElementFromTemplate(Document& doc, ElementTemplate& tmpl,
                                 const CreationSettings& settings);

}  // namespace velt
