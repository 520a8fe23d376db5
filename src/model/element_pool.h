#pragma once
// Elements made in chunks: reading, copying or undoing a list of n elements costs a few
// allocations instead of n, and the elements of a list lie side by side in memory, in list
// order. Each element carries a word in front of it naming its chunk. A chunk is freed when
// its last element is destroyed and no pool makes elements in it any more, so elements may
// outlive the pool that made them and move between lists like any other.
#include <cstddef>

#include "model/element.h"

namespace velt {

struct ElementChunk;

class ElementPool {
 public:
  // expected: about how many elements the pool will make (sizes its first chunk).
  explicit ElementPool(size_t expected = 0);
  ~ElementPool();
  ElementPool(const ElementPool&) = delete;
  ElementPool& operator=(const ElementPool&) = delete;

  // A default element in the current chunk (a new chunk when it is full).
  ElementPtr Make();

 private:
  ElementChunk* chunk_ = nullptr;
  size_t nextCapacity_;
};

// A default element in a chunk of its own, for elements made one at a time.
ElementPtr MakeLoneElement();

}  // namespace velt
