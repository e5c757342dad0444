// Lists handed to callers through 24-byte (first, end, end of storage)
// triples that live in memory the caller owns (result areas, the lists inside
// copied-out draw records).
//
// The library allocates the storage and never frees it: the caller may keep
// reading a list it was handed.  A caller's triple is never trusted either: the
// library cannot tell a list it handed out from garbage by looking, so it
// never frees, destroys or reallocates through one.  It remembers every block
// it hands out; a triple that still names such a block with its full extent is
// refilled in place when the block is large enough (as a list would be), and
// anything else gets a new block, its old value overwritten unread.
#pragma once

#include <cstddef>
#include <type_traits>

namespace lumo {

struct CallerList {
  void* first;
  void* end;
  void* capacity_end;
};
static_assert(sizeof(CallerList) == 24);

// Whether block is the start of storage the library handed out.
bool is_handed_out(const void* block);

// Storage for `bytes` bytes in dest's place: dest's own block when it can be
// refilled, else a new block of `capacity` (≥ bytes) bytes, recorded as handed
// out.  `reused` tells which.  Null, with a console line, when no storage can
// be had.  dest itself is not changed; set_caller_list does that.
std::byte* caller_storage(const CallerList& dest, std::size_t bytes, std::size_t capacity, bool& reused);

// dest = (block, block + used, end of the block's capacity).
void set_caller_list(CallerList& dest, std::byte* block, std::size_t used);

// Empties dest: a list the library handed out keeps its block; anything else
// becomes (null, null, null).
void empty_caller_list(CallerList& dest);

// dest = a copy of count items, with room for reserve (≥ count) of them.  An
// empty source empties dest.  False (dest unchanged) when storage cannot be had.
template <class T>
bool hand_over(CallerList& dest, const T* items, std::size_t count, std::size_t reserve) {
  static_assert(std::is_trivially_copyable_v<T>);
  if (count == 0) {
    empty_caller_list(dest);
    return true;
  }
  bool reused = false;
  std::byte* block = caller_storage(dest, count * sizeof(T), (reserve < count ? count : reserve) * sizeof(T), reused);
  if (!block) return false;
  for (std::size_t i = 0; i < count; ++i) reinterpret_cast<T*>(block)[i] = items[i];
  set_caller_list(dest, block, count * sizeof(T));
  return true;
}

}  // namespace lumo
