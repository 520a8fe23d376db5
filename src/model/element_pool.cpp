#include "model/element_pool.h"

#include <algorithm>
#include <atomic>
#include <new>

namespace velt {

// The head of a chunk, followed by its slots. `live` counts the elements made in it and
// not yet destroyed, plus one while a pool may still make elements in it.
struct ElementChunk {
  std::atomic<size_t> live{1};
  size_t capacity = 0;
  size_t used = 0;
};

namespace {

// Each element is preceded by its chunk.
struct alignas(alignof(Element)) Slot {
  ElementChunk* chunk;
  alignas(Element) unsigned char element[sizeof(Element)];
};

constexpr size_t kHeadBytes =
    (sizeof(ElementChunk) + alignof(Slot) - 1) / alignof(Slot) * alignof(Slot);
constexpr size_t kFirstCapacity = 64;
constexpr size_t kLargestCapacity = size_t{1} << 20;

Slot* Slots(ElementChunk* c) {
  return reinterpret_cast<Slot*>(reinterpret_cast<unsigned char*>(c) + kHeadBytes);
}

ElementChunk* NewChunk(size_t capacity) {
  void* memory = ::operator new(kHeadBytes + capacity * sizeof(Slot));
  auto* c = new (memory) ElementChunk;
  c->capacity = capacity;
  return c;
}

void Release(ElementChunk* c) {
  if (c->live.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    c->~ElementChunk();
    ::operator delete(static_cast<void*>(c));
  }
}

ElementPtr MakeIn(ElementChunk* c) {
  Slot* slot = Slots(c) + c->used++;
  slot->chunk = c;
  c->live.fetch_add(1, std::memory_order_relaxed);
  return ElementPtr(new (slot->element) Element);
}

}  // namespace

void ElementDelete::operator()(Element* e) const noexcept {
  auto* slot =
      reinterpret_cast<Slot*>(reinterpret_cast<unsigned char*>(e) - offsetof(Slot, element));
  ElementChunk* c = slot->chunk;
  e->~Element();
  Release(c);
}

ElementPool::ElementPool(size_t expected)
    : nextCapacity_(std::clamp(expected, kFirstCapacity, kLargestCapacity)) {}

ElementPool::~ElementPool() {
  if (chunk_) Release(chunk_);
}

ElementPtr ElementPool::Make() {
  if (!chunk_ || chunk_->used == chunk_->capacity) {
    if (chunk_) Release(chunk_);
    chunk_ = NewChunk(nextCapacity_);
    nextCapacity_ = std::min(nextCapacity_ * 2, kLargestCapacity);
  }
  return MakeIn(chunk_);
}

ElementPtr MakeLoneElement() {
  ElementChunk* c = NewChunk(1);
  ElementPtr e = MakeIn(c);
  Release(c);  // the chunk now lives as long as its element
  return e;
}

}  // namespace velt
