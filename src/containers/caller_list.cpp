#include "containers/caller_list.h"

#include <new>
#include <unordered_map>

#include "base/console.h"

namespace lumo {
namespace {

// Block start → its size in bytes.  Never destroyed: the blocks stay reachable
// for the whole process, as the caller may still read them at exit.
std::unordered_map<const void*, std::size_t>& handed_out() {
  static auto* blocks = new std::unordered_map<const void*, std::size_t>;
  return *blocks;
}

}  // namespace

bool is_handed_out(const void* block) { return block && handed_out().count(block) > 0; }

std::byte* caller_storage(const CallerList& dest, std::size_t bytes, std::size_t capacity, bool& reused) {
  auto& blocks = handed_out();
  reused = false;
  if (auto it = blocks.find(dest.first); it != blocks.end()) {
    auto* block = static_cast<std::byte*>(dest.first);
    if (dest.capacity_end == block + it->second && it->second >= bytes) {
      reused = true;
      return block;
    }
  }
  if (capacity < bytes) capacity = bytes;
  void* block = ::operator new(capacity, std::nothrow);
  if (!block) {
    con_printf("★★ caller list: no storage for %zu bytes\n", capacity);
    return nullptr;
  }
  try {
    blocks.emplace(block, capacity);
  } catch (const std::bad_alloc&) {
    ::operator delete(block);
    con_printf("★★ caller list: no storage for %zu bytes\n", capacity);
    return nullptr;
  }
  return static_cast<std::byte*>(block);
}

void set_caller_list(CallerList& dest, std::byte* block, std::size_t used) {
  const auto found = handed_out().find(block);
  const std::size_t capacity = found != handed_out().end() ? found->second : used;
  dest = {block, block + used, block + capacity};
}

void empty_caller_list(CallerList& dest) {
  if (is_handed_out(dest.first))
    dest.end = dest.first;
  else
    dest = {nullptr, nullptr, nullptr};
}

}  // namespace lumo
