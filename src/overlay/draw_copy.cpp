#include "overlay/draw_copy.h"

#include <algorithm>

namespace lumo {

CallerPointRecord* copy_into(const 卍点画& src, CallerPointRecord* dest) {
  if (!dest) return nullptr;
  dest->count = src.count;
  std::copy_n(src.艹点画, 4, dest->colour);
  store_points(dest->points, src.L点画);
  store_points(dest->points_2d, src.L点画2d);
  return dest;
}

CallerSegmentRecord* copy_into(const 卍线画& src, CallerSegmentRecord* dest) {
  if (!dest) return nullptr;
  dest->count = src.count;
  std::copy_n(src.艹线画, 4, dest->colour);
  store_items(dest->items, src.L段序L2线画);
  return dest;
}

CallerItemRecord* copy_into(const ItemDrawBuffer& src, CallerItemRecord* dest) {
  if (!dest) return nullptr;
  dest->count = src.count;
  store_items(dest->items, src.items);
  return dest;
}

}  // namespace lumo
