// Result areas: 24 caller-provided bytes that receive a list of addresses as
// (first, end, end of storage) pointers, handed over as every caller list is
// (containers/caller_list.h): the library allocates and never frees, and
// refills a list it handed out earlier in place when it is large enough.
#pragma once

#include <vector>

#include "containers/caller_list.h"

namespace lumo {

using ResultArea = CallerList;

// Writes the items into the area (a null area is ignored), reserving about
// 1.2 × their number.  An empty list in a fresh area is (null, null, null).
void fill_result_area(ResultArea* area, const std::vector<void*>& items);

template <class T>
void fill_result_area(ResultArea* area, const std::vector<T*>& items) {
  fill_result_area(area, std::vector<void*>(items.begin(), items.end()));
}

}  // namespace lumo
