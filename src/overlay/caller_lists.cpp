#include "overlay/caller_lists.h"

#include <cstring>
#include <new>
#include <unordered_map>

#include "base/console.h"

namespace lumo {
namespace {

// Block start → size in bytes.  Never destroyed: the blocks stay reachable
// for the whole process, as the caller may still read them at exit.
std::unordered_map<const void*, std::size_t>& handed_out() {
  static auto* blocks = new std::unordered_map<const void*, std::size_t>;
  return *blocks;
}

// The caller's own block when it is ours, whole and large enough; else a new
// one (null when none can be had).
char* storage_for(const CallerList& dest, std::size_t bytes, bool& reused) {
  auto& blocks = handed_out();
  reused = false;
  if (auto it = blocks.find(dest.first); it != blocks.end()) {
    char* block = static_cast<char*>(dest.first);
    if (dest.capacity_end == block + it->second && it->second >= bytes) {
      reused = true;
      return block;
    }
  }
  void* block = ::operator new(bytes, std::nothrow);
  if (!block) {
    con_printf("★★ draw list: no storage for %zu bytes\n", bytes);
    return nullptr;
  }
  try {
    blocks.emplace(block, bytes);
  } catch (const std::bad_alloc&) {
    ::operator delete(block);
    con_printf("★★ draw list: no storage for %zu bytes\n", bytes);
    return nullptr;
  }
  return static_cast<char*>(block);
}

void set_list(CallerList& dest, char* block, std::size_t used, bool reused) {
  const std::size_t capacity = reused ? static_cast<char*>(dest.capacity_end) - block : used;
  dest = {block, block + used, block + capacity};
}

// Copies an item into a slot of a list block, emptying it for an empty item.
bool assign_item(CallerList& slot, const DrawItem& points) {
  if (!points.empty()) return store_points(slot, points);
  if (is_handed_out(slot.first))
    slot.end = slot.first;
  else
    slot = {nullptr, nullptr, nullptr};
  return true;
}

}  // namespace

bool is_handed_out(const void* block) { return block && handed_out().count(block) > 0; }

bool store_points(CallerList& dest, const std::vector<卍Vector>& points) {
  if (points.empty()) return true;
  const std::size_t bytes = points.size() * sizeof(卍Vector);
  bool reused = false;
  char* block = storage_for(dest, bytes, reused);
  if (!block) return false;
  std::memcpy(block, points.data(), bytes);
  set_list(dest, block, bytes, reused);
  return true;
}

bool store_items(CallerList& dest, const DrawItemList& items) {
  if (items.empty()) return true;
  const std::size_t bytes = items.size() * sizeof(CallerList);
  bool reused = false;
  char* block = storage_for(dest, bytes, reused);
  if (!block) return false;
  auto* slots = reinterpret_cast<CallerList*>(block);
  // A new block holds nothing yet; a reused one holds the slots filled last time.
  if (!reused) std::memset(block, 0, bytes);
  bool complete = true;
  for (std::size_t i = 0; i < items.size(); ++i) complete = assign_item(slots[i], items[i]) && complete;
  set_list(dest, block, bytes, reused);
  return complete;
}

}  // namespace lumo
