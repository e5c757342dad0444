// Lists in memory the caller owns, seen as raw (first, end, end of storage)
// triples, and the storage the library hands out through them.
//
// The library never frees, destroys or reallocates through a caller's triple:
// it cannot tell a list it handed out from garbage by looking.  It keeps the
// address and size of every block it hands out; a caller's list that still
// names such a block with its full extent is refilled in place when the block
// is large enough (as a list would be), and anything else gets a new block,
// the old value being overwritten unread.  Blocks are never freed.
#pragma once

#include <cstddef>
#include <vector>

#include "overlay/draw_records.h"

namespace lumo {

struct CallerList {
  void* first;
  void* end;
  void* capacity_end;
};
static_assert(sizeof(CallerList) == 24);

// dest = copy of points.  An empty source leaves dest unchanged.  False (dest
// unchanged) when storage cannot be had, with a console line.
bool store_points(CallerList& dest, const std::vector<卍Vector>& points);

// dest = copy of items, each item a list of points.  An empty source leaves
// dest unchanged; an empty item becomes an empty list.
bool store_items(CallerList& dest, const DrawItemList& items);

// Whether block is the start of storage the library handed out.
bool is_handed_out(const void* block);

}  // namespace lumo
