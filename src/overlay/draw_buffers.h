// The process-wide draw buffers and the operations that define their
// capacities, reset their counts and fill the segment-order list.
//
// Buffers are built at load with their defaults and live until unload.  The
// library never draws and posts nothing into them: counts only fall to −1 or
// 0 (draw_counts.h), capacities change only through the define operations,
// which size the lists (new points zero, new items copies of a prototype of
// 2, 4 or 5 zero points).  A capacity above kMaxDrawCapacity is stored but
// sizes nothing: a console line says so and the lists stay as they were.
#pragma once

#include <cstdint>

#include "overlay/caller_lists.h"
#include "overlay/draw_records.h"

namespace lumo {

inline constexpr std::int32_t kMaxDrawCapacity = 1000000;

extern 卍点画 点画G;        // points
extern 卍线画 线画G;        // two-point segments
extern ItemDrawBuffer 厶画G;  // triangles
extern ItemDrawBuffer 囗画G;  // quads
extern 卍线画 乛画G;        // four-point items
extern PairDrawBuffer 丷画G;  // pairs
extern ItemDrawBuffer 厸画G;  // five-point items
extern ItemDrawBuffer Λ画G;
extern 卍圆画 圆, 圆1, 圆2, 圆3;
extern ArcGroup arc_groups[4];
// The segment-order list and the int stored with it (−1 at load).
extern DrawItemList segment_order_list;
extern std::int32_t segment_order_value;
// The print counter (5 at load): 1 is reported while it is above 0.
extern std::int32_t iΔ打印次数;
extern std::int32_t ciSize线2d__;

// Sizing to the buffer's capacity: nothing for a capacity of 0 or below.
void size_to_capacity(卍点画& buffer);
void size_to_capacity(卍线画& buffer, int item_points);
void size_to_capacity(ItemDrawBuffer& buffer, int item_points);
void size_to_capacity(PairDrawBuffer& buffer);

// py_定义弓画数: arc groups from the int at byte 4 of p (points), q (two-point
// items) and r (four-point items), each skipped when null; 丷画G and 点画G
// from n, 厸画G from m; the print counter back to 5.
void py_定义弓画数(const void* p, const void* q, const void* r, std::int32_t n, std::int32_t m);
// Every circle: its point buffer capacity 1, its two item buffers capacity n.
void 凸定义画圆数(std::int32_t n);
// 〇画艹dr: counts of 线画G, 点画G, 丷画G, 厸画G and of the first three arc
// groups to −1.
void 〇画艹dr();
// py_定义画数2d: stores n and prints "《《《  py_定义画数2d ,ciSize线2d__=<n>\n".
void py_定义画数2d(std::int32_t n);

// Stores *value (when given) and makes the segment-order list a copy of the
// caller's list of item lists (when given and well formed: ascending triples
// whose lengths are whole elements; anything else is reported and ignored).
DrawItemList* 巜L段序L2一一绑彡画G(const std::int32_t* value, const CallerList* src);

}  // namespace lumo
