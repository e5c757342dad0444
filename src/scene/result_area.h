// Result areas: 24 caller-provided bytes that receive a list of addresses as
// (first, end, end of storage) pointers.
//
// The library allocates the storage and never frees it, since the caller may
// keep reading a list it was handed.  An area is never trusted: whatever it
// holds (zeros, garbage, an earlier list) is only overwritten.  When it holds a
// list this module handed out earlier, that storage is reused if it is large
// enough, so a caller refilling one area does not grow memory without bound.
#pragma once

#include <vector>

namespace lumo {

struct ResultArea {
  void* first;
  void* end;
  void* capacity_end;
};
static_assert(sizeof(ResultArea) == 24);

// Writes the items into the area (a null area is ignored).  An empty list of a
// fresh area is (null, null, null).
void fill_result_area(ResultArea* area, const std::vector<void*>& items);

template <class T>
void fill_result_area(ResultArea* area, const std::vector<T*>& items) {
  fill_result_area(area, std::vector<void*>(items.begin(), items.end()));
}

}  // namespace lumo
