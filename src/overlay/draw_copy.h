// Copying draw buffers into records the caller owns.
//
// The caller's record has the buffer's layout with its lists seen as raw
// triples (caller_lists.h).  A copy sets the count, the colour (point and
// segment buffers) and every list (an empty source list leaves the caller's
// list as it is); the name pointer and the capacity stay the caller's.  A null
// record is left alone and given back.
#pragma once

#include <cstdint>

#include "overlay/caller_lists.h"
#include "overlay/draw_records.h"

namespace lumo {

struct CallerPointRecord {
  const char* name;
  std::int32_t capacity;
  std::int32_t count;
  CallerList points;
  CallerList points_2d;
  float colour[4];
};

struct CallerSegmentRecord {
  const char* name;
  std::int32_t capacity;
  std::int32_t count;
  CallerList items;
  float colour[4];
};

struct CallerItemRecord {
  const char* name;
  std::int32_t capacity;
  std::int32_t count;
  CallerList items;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(CallerPointRecord) == sizeof(卍点画));
static_assert(offsetof(CallerPointRecord, count) == offsetof(卍点画, count));
static_assert(offsetof(CallerPointRecord, points) == offsetof(卍点画, L点画));
static_assert(offsetof(CallerPointRecord, points_2d) == offsetof(卍点画, L点画2d));
static_assert(offsetof(CallerPointRecord, colour) == offsetof(卍点画, 艹点画));
static_assert(sizeof(CallerSegmentRecord) == sizeof(卍线画));
static_assert(offsetof(CallerSegmentRecord, items) == offsetof(卍线画, L段序L2线画));
static_assert(offsetof(CallerSegmentRecord, colour) == offsetof(卍线画, 艹线画));
static_assert(sizeof(CallerItemRecord) == sizeof(ItemDrawBuffer));
static_assert(offsetof(CallerItemRecord, items) == offsetof(ItemDrawBuffer, items));
#pragma GCC diagnostic pop

CallerPointRecord* copy_into(const 卍点画& src, CallerPointRecord* dest);
CallerSegmentRecord* copy_into(const 卍线画& src, CallerSegmentRecord* dest);
CallerItemRecord* copy_into(const ItemDrawBuffer& src, CallerItemRecord* dest);

}  // namespace lumo
