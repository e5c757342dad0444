#include "scene/result_area.h"

#include <algorithm>
#include <map>
#include <memory>

namespace lumo {

namespace {

struct Block {
  std::unique_ptr<void*[]> storage;
  size_t capacity = 0;
};

// Every block handed out, by its first address.  Kept for the life of the
// process: handed-out lists are never freed.
std::map<void*, Block>& blocks() {
  static std::map<void*, Block> handed_out;
  return handed_out;
}

}  // namespace

void fill_result_area(ResultArea* area, const std::vector<void*>& items) {
  if (!area) return;
  const size_t count = items.size();
  void** storage = nullptr;
  size_t capacity = 0;
  // Only storage this module allocated is reused; the area's bytes are never
  // dereferenced otherwise.
  if (auto known = blocks().find(area->first); known != blocks().end() && known->second.capacity >= count) {
    storage = known->second.storage.get();
    capacity = known->second.capacity;
  } else if (count > 0) {
    capacity = count + count / 5;  // lists reserve about 1.2 × what they hold
    Block block{std::make_unique<void*[]>(capacity), capacity};
    storage = block.storage.get();
    blocks().emplace(storage, std::move(block));
  }
  std::copy(items.begin(), items.end(), storage);
  area->first = storage;
  area->end = storage ? storage + count : nullptr;
  area->capacity_end = storage ? storage + capacity : nullptr;
}

}  // namespace lumo
