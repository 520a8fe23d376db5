#pragma once
// The example documents shipped in examples/, built through the model.
#include <memory>
#include <string>
#include <vector>

#include "model/document.h"

namespace velt::test {

struct ExampleFigure {
  std::string file;  // name in examples/
  std::unique_ptr<Document> doc;
};

std::vector<ExampleFigure> ExampleFigures();

}  // namespace velt::test
