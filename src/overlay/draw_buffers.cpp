#include "overlay/draw_buffers.h"

#include <cstring>
#include <new>

#include "base/console.h"
#include "base/report.h"
#include "base/text_convert.h"
#include "overlay/draw_counts.h"

namespace lumo {

卍点画 点画G;
卍线画 线画G;
ItemDrawBuffer 厶画G;
ItemDrawBuffer 囗画G;
卍线画 乛画G;
PairDrawBuffer 丷画G;
ItemDrawBuffer 厸画G;
ItemDrawBuffer Λ画G;
卍圆画 圆, 圆1, 圆2, 圆3;
ArcGroup arc_groups[4];
DrawItemList segment_order_list;
std::int32_t segment_order_value = -1;
std::int32_t iΔ打印次数 = 5;
std::int32_t ciSize线2d__ = 0;

namespace {

constexpr int kSegmentPoints = 2;
constexpr int kQuadPoints = 4;
constexpr int kFivePoints = 5;

// Resizes a list to the capacity, new elements being copies of fill (or
// zero).  Capacities of 0 and below size nothing; a list that cannot be sized
// stays as it was.
template <class List, class... Fill>
void resize_to(List& list, std::int32_t capacity, const Fill&... fill) {
  if (capacity <= 0) return;
  if (capacity > kMaxDrawCapacity) {
    con_printf("★★ draw capacity %d > %d\n", capacity, kMaxDrawCapacity);
    return;
  }
  try {
    list.resize(static_cast<std::size_t>(capacity), fill...);
  } catch (const std::bad_alloc&) {
    con_printf("★★ draw capacity %d: out of memory\n", capacity);
  }
}

DrawItem prototype(int points) { return DrawItem(static_cast<std::size_t>(points)); }

std::int32_t int_at_4(const void* p, std::int32_t fallback) {
  if (!p) return fallback;
  std::int32_t value;
  std::memcpy(&value, static_cast<const char*>(p) + 4, sizeof value);
  return value;
}

// A caller's triple that describes `count` whole elements of `size` bytes.
bool read_list(const CallerList& list, std::size_t size, std::size_t& count) {
  const auto first = reinterpret_cast<std::uintptr_t>(list.first);
  const auto end = reinterpret_cast<std::uintptr_t>(list.end);
  const auto capacity_end = reinterpret_cast<std::uintptr_t>(list.capacity_end);
  if (!first) {
    count = 0;
    return !end;
  }
  if (end < first || capacity_end < end || (end - first) % size != 0) return false;
  count = (end - first) / size;
  return count <= static_cast<std::size_t>(kMaxDrawCapacity);
}

}  // namespace

void size_to_capacity(卍点画& buffer) {
  resize_to(buffer.L点画, buffer.iSize点);
  resize_to(buffer.L点画2d, buffer.iSize点);
}

void size_to_capacity(卍线画& buffer, int item_points) {
  resize_to(buffer.L段序L2线画, buffer.iSize线, prototype(item_points));
}

void size_to_capacity(ItemDrawBuffer& buffer, int item_points) {
  resize_to(buffer.items, buffer.capacity, prototype(item_points));
}

void size_to_capacity(PairDrawBuffer& buffer) {
  resize_to(buffer.points, buffer.capacity);
  resize_to(buffer.pairs, buffer.capacity, prototype(kSegmentPoints));
}

void py_定义弓画数(const void* p, const void* q, const void* r, std::int32_t n, std::int32_t m) {
  for (ArcGroup& group : arc_groups) {
    group.points.iSize点 = int_at_4(p, group.points.iSize点);
    group.segments.iSize线 = int_at_4(q, group.segments.iSize线);
    group.quads.iSize线 = int_at_4(r, group.quads.iSize线);
    size_to_capacity(group.points);
    size_to_capacity(group.segments, kSegmentPoints);
    size_to_capacity(group.quads, kQuadPoints);
  }
  丷画G.capacity = n;
  size_to_capacity(丷画G);
  点画G.iSize点 = n;
  size_to_capacity(点画G);
  厸画G.capacity = m;
  size_to_capacity(厸画G, kFivePoints);
  iΔ打印次数 = 5;
}

void 凸定义画圆数(std::int32_t n) {
  for (卍圆画* circle : {&圆, &圆1, &圆2, &圆3}) {
    circle->point_buffer.iSize点 = 1;
    circle->quad_buffer.iSize线 = n;
    circle->segment_buffer.iSize线 = n;
    size_to_capacity(circle->point_buffer);
    size_to_capacity(circle->quad_buffer, kQuadPoints);
    size_to_capacity(circle->segment_buffer, kSegmentPoints);
  }
}

void 〇画艹dr() {
  线画G.count = -1;
  点画G.count = -1;
  丷画G.count = -1;
  厸画G.count = -1;
  for (int i = 0; i < 3; ++i) {
    arc_groups[i].points.count = -1;
    arc_groups[i].segments.count = -1;
    arc_groups[i].quads.count = -1;
  }
}

void py_定义画数2d(std::int32_t n) {
  ciSize线2d__ = n;
  const char* name = s巜sU("py_定义画数2d");
  con_printf("《《《  %s ,ciSize线2d__=%d\n", name ? name : "", n);
}

DrawItemList* 巜L段序L2一一绑彡画G(const std::int32_t* value, const CallerList* src) {
  if (value) segment_order_value = *value;
  if (!src) return &segment_order_list;
  std::size_t count = 0;
  if (!read_list(*src, sizeof(CallerList), count)) {
    LUMO_REPORT("__", "src: not a (first, end, capacity) list", "巜L段序L2一一绑彡画G");
    return &segment_order_list;
  }
  DrawItemList copy;
  try {
    copy.resize(count);
  } catch (const std::bad_alloc&) {
    con_printf("★★ segment-order list: out of memory\n");
    return &segment_order_list;
  }
  for (std::size_t i = 0; i < count; ++i) {
    CallerList item;
    std::memcpy(&item, static_cast<const char*>(src->first) + i * sizeof(CallerList), sizeof item);
    std::size_t points = 0;
    if (!read_list(item, sizeof(卍Vector), points)) {
      LUMO_REPORT("__", "src[i]: not a (first, end, capacity) list", "巜L段序L2一一绑彡画G");
      return &segment_order_list;
    }
    try {
      copy[i].resize(points);
    } catch (const std::bad_alloc&) {
      con_printf("★★ segment-order list: out of memory\n");
      return &segment_order_list;
    }
    if (points) std::memcpy(copy[i].data(), item.first, points * sizeof(卍Vector));
  }
  segment_order_list = std::move(copy);
  return &segment_order_list;
}

void reset_solver_draw_counts() {
  点画G.count = -1;
  丷画G.count = -1;
  线画G.count = -1;
  乛画G.count = -1;
}

void reset_skeleton_draw_counts() {
  线画G.count = 0;
  乛画G.count = 0;
}

}  // namespace lumo
