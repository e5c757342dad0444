#include "overlay/caller_lists.h"

#include <cstring>

namespace lumo {

bool store_points(CallerList& dest, const std::vector<卍Vector>& points) {
  if (points.empty()) return true;
  return hand_over(dest, points.data(), points.size(), points.size());
}

bool store_items(CallerList& dest, const DrawItemList& items) {
  if (items.empty()) return true;
  const std::size_t bytes = items.size() * sizeof(CallerList);
  bool reused = false;
  std::byte* block = caller_storage(dest, bytes, bytes, reused);
  if (!block) return false;
  auto* slots = reinterpret_cast<CallerList*>(block);
  // A new block holds nothing yet; a reused one holds the slots filled last time.
  if (!reused) std::memset(block, 0, bytes);
  bool complete = true;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].empty())
      empty_caller_list(slots[i]);
    else
      complete = store_points(slots[i], items[i]) && complete;
  }
  set_caller_list(dest, block, bytes);
  return complete;
}

}  // namespace lumo
