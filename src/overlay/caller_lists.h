// Copying points and items into lists the caller owns (containers/caller_list.h
// says how such lists are handed over).
#pragma once

#include <vector>

#include "containers/caller_list.h"
#include "overlay/draw_records.h"

namespace lumo {

// dest = copy of points.  An empty source leaves dest unchanged.  False (dest
// unchanged) when storage cannot be had, with a console line.
bool store_points(CallerList& dest, const std::vector<卍Vector>& points);

// dest = copy of items, each item a list of points.  An empty source leaves
// dest unchanged; an empty item becomes an empty list.
bool store_items(CallerList& dest, const DrawItemList& items);

}  // namespace lumo
