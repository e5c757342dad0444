// Draw buffers: layouts, copies into caller records, capacities, count resets,
// the segment-order list and the hand-over of projected items.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "hostmodel_views.h"
#include "lumo_ik64.h"
#include "overlay/draw_buffers.h"
#include "overlay/draw_copy.h"
#include "overlay/draw_counts.h"
#include "scene/projection.h"
#include "scene/view_cache.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo {
namespace {

using testing::Capture;

void reset_draw_buffers() {
  点画G = {};
  线画G = {};
  厶画G = {};
  囗画G = {};
  乛画G = {};
  丷画G = {};
  厸画G = {};
  Λ画G = {};
  圆 = {}, 圆1 = {}, 圆2 = {}, 圆3 = {};
  for (ArcGroup& group : arc_groups) group = {};
  segment_order_list.clear();
  segment_order_value = -1;
  iΔ打印次数 = 5;
  ciSize线2d__ = 0;
  view3d_cache = {};
}

class DrawBuffers : public ::testing::Test {
 protected:
  void SetUp() override { reset_draw_buffers(); }
  void TearDown() override { reset_draw_buffers(); }
};

// The points a caller's list holds (a LumoResultList or CallerList).
template <class List>
std::vector<卍Vector> points_of(const List& list) {
  const auto* first = static_cast<const 卍Vector*>(list.first);
  return {first, static_cast<const 卍Vector*>(list.end)};
}

// The items of a caller's list of item lists.
template <class List>
DrawItemList items_of(const List& list) {
  DrawItemList items;
  for (auto* item = static_cast<const CallerList*>(list.first); item != list.end; ++item) items.push_back(points_of(*item));
  return items;
}

template <class List>
std::size_t capacity_of(const List& list, std::size_t element) {
  return static_cast<std::size_t>(static_cast<char*>(list.capacity_end) - static_cast<char*>(list.first)) / element;
}

const 卍Vector kZero{};

TEST_F(DrawBuffers, ALibraryListIsTheCallersThreePointerRecord) {
  std::vector<卍Vector> list;
  list.reserve(5);
  list.resize(2);
  CallerList raw;
  std::memcpy(&raw, &list, sizeof raw);
  EXPECT_EQ(raw.first, list.data());
  EXPECT_EQ(raw.end, list.data() + 2);
  EXPECT_EQ(raw.capacity_end, list.data() + 5);
}

TEST_F(DrawBuffers, CopiesAtLoadGiveTheDefaultsAndKeepNameAndCapacity) {
  const char* name = "caller's";
  ::卍点画 points{};
  points.name = name;
  points.iSize点 = 77;
  ASSERT_EQ(::巜画点(&points), &points);
  EXPECT_EQ(points.name, name);
  EXPECT_EQ(points.iSize点, 77);
  EXPECT_EQ(points.count, -1);
  EXPECT_EQ(points.L点画.first, nullptr);
  EXPECT_EQ(points.L点画2d.first, nullptr);
  EXPECT_EQ(std::vector<float>(points.艹点画, points.艹点画 + 4), (std::vector<float>{0, 1, 1, 1}));

  ::卍线画 segments{};
  ASSERT_EQ(::巜画线(&segments), &segments);
  EXPECT_EQ(segments.count, -1);
  EXPECT_EQ(segments.L段序L2线画.first, nullptr);
  EXPECT_EQ(std::vector<float>(segments.艹线画, segments.艹线画 + 4), (std::vector<float>{0, 1, 1, 1}));

  for (auto copy : {&::巜画厶, &::巜画囗}) {
    ::卍厶画 items{};
    items.capacity = 9;
    ASSERT_EQ(copy(&items), &items);
    EXPECT_EQ(items.count, -1);
    EXPECT_EQ(items.capacity, 9);
    EXPECT_EQ(items.items.first, nullptr);
  }

  EXPECT_EQ(::巜画点(nullptr), nullptr);
  EXPECT_EQ(::巜画线(nullptr), nullptr);
  EXPECT_EQ(::巜画厶(nullptr), nullptr);
  EXPECT_EQ(::巜画囗(nullptr), nullptr);
}

TEST_F(DrawBuffers, DefiningCapacitiesSizesEveryBufferWithZeroItems) {
  const std::int32_t p[2] = {0, 4}, q[2] = {0, 2}, r[2] = {0, 1};
  ::py_定义弓画数(p, q, r, 3, 0, 0, 2);

  EXPECT_EQ(点画G.iSize点, 3);
  EXPECT_EQ(点画G.L点画, std::vector<卍Vector>(3));
  EXPECT_EQ(点画G.L点画2d, std::vector<卍Vector>(3));
  EXPECT_EQ(丷画G.capacity, 3);
  EXPECT_EQ(丷画G.points, std::vector<卍Vector>(3));
  EXPECT_EQ(丷画G.pairs, DrawItemList(3, DrawItem(2)));
  EXPECT_EQ(厸画G.capacity, 2);
  EXPECT_EQ(厸画G.items, DrawItemList(2, DrawItem(5)));
  for (const ArcGroup& group : arc_groups) {
    EXPECT_EQ(group.points.L点画.size(), 4u);
    EXPECT_EQ(group.segments.L段序L2线画, DrawItemList(2, DrawItem(2)));
    EXPECT_EQ(group.quads.L段序L2线画, DrawItemList(1, DrawItem(4)));
  }
  EXPECT_EQ(点画G.count, -1) << "defining sets no count";
  EXPECT_EQ(丷画G.count, 0);

  ::卍点画 copy{};
  ::巜画点(&copy);
  EXPECT_EQ(copy.count, -1);
  EXPECT_EQ(points_of(copy.L点画), std::vector<卍Vector>(3));
  EXPECT_EQ(points_of(copy.L点画2d), std::vector<卍Vector>(3));
}

TEST_F(DrawBuffers, CapacitiesShrinkButZeroNegativeAndHugeOnesSizeNothing) {
  ::py_定义弓画数(nullptr, nullptr, nullptr, 3, 0, 0, 3);
  struct Case {
    std::int32_t capacity;
    std::size_t expected_length;
    bool says_so;
  };
  const Case cases[] = {{0, 3, false}, {-4, 3, false}, {kMaxDrawCapacity + 1, 3, true}, {2, 2, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.capacity);
    Capture capture;
    ::py_定义弓画数(nullptr, nullptr, nullptr, c.capacity, 0, 0, c.capacity);
    EXPECT_EQ(点画G.L点画.size(), c.expected_length);
    EXPECT_EQ(丷画G.pairs.size(), c.expected_length);
    EXPECT_EQ(厸画G.items.size(), c.expected_length);
    EXPECT_EQ(capture.out().find("★★ draw capacity") != std::string::npos, c.says_so) << capture.out();
  }
  for (const ArcGroup& group : arc_groups) {
    EXPECT_EQ(group.points.iSize点, -1) << "null sources leave the arc groups alone";
    EXPECT_TRUE(group.points.L点画.empty());
  }
}

TEST_F(DrawBuffers, CirclesGetOnePointAndNItemsOfFourAndTwoPoints) {
  凸定义画圆数(6);
  for (const 卍圆画* circle : {&圆, &圆1, &圆2, &圆3}) {
    EXPECT_EQ(circle->point_buffer.L点画.size(), 1u);
    EXPECT_EQ(circle->quad_buffer.L段序L2线画, DrawItemList(6, DrawItem(4)));
    EXPECT_EQ(circle->segment_buffer.L段序L2线画, DrawItemList(6, DrawItem(2)));
    EXPECT_EQ(circle->values[3], -1);
    EXPECT_FLOAT_EQ(circle->colour[1], 0.7f);
  }
}

TEST_F(DrawBuffers, CopyingItemsCopiesEachItemsPoints) {
  线画G.count = 0;
  线画G.L段序L2线画 = {{{1, 2, 3}, {4, 5, 6}}, {}, {{7, 8, 9}}};
  线画G.艹线画[0] = 0.5f;
  ::卍线画 dest{};
  ::巜画线(&dest);
  EXPECT_EQ(dest.count, 0);
  EXPECT_EQ(dest.艹线画[0], 0.5f);
  EXPECT_EQ(items_of(dest.L段序L2线画), 线画G.L段序L2线画);

  囗画G.items = {{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}}};
  ::卍囗画 quads{};
  ::巜画囗(&quads);
  EXPECT_EQ(items_of(quads.items), 囗画G.items);
}

TEST_F(DrawBuffers, CopyingAgainRefillsTheStorageHandedOutBefore) {
  线画G.L段序L2线画 = {{{1, 0, 0}, {2, 0, 0}}, {{3, 0, 0}, {4, 0, 0}}};
  ::卍线画 dest{};
  ::巜画线(&dest);
  const LumoResultList first_copy = dest.L段序L2线画;
  const void* first_item = static_cast<const CallerList*>(first_copy.first)->first;

  线画G.L段序L2线画 = {{{5, 0, 0}, {6, 0, 0}}};
  ::巜画线(&dest);
  EXPECT_EQ(dest.L段序L2线画.first, first_copy.first) << "the same block, refilled";
  EXPECT_EQ(static_cast<const CallerList*>(dest.L段序L2线画.first)->first, first_item);
  EXPECT_EQ(capacity_of(dest.L段序L2线画, sizeof(CallerList)), 2u);
  EXPECT_EQ(items_of(dest.L段序L2线画), 线画G.L段序L2线画);

  线画G.L段序L2线画.assign(3, {{9, 9, 9}, {8, 8, 8}});
  ::巜画线(&dest);
  EXPECT_NE(dest.L段序L2线画.first, first_copy.first) << "too small: a new block";
  EXPECT_EQ(items_of(dest.L段序L2线画), 线画G.L段序L2线画);
  EXPECT_EQ(static_cast<const 卍Vector*>(first_item)[0], (卍Vector{5, 0, 0})) << "the old block is left as it was";
}

TEST_F(DrawBuffers, GarbageInTheCallersListsIsNeverFollowed) {
  ::卍点画 dest;
  std::memset(&dest, 0xA5, sizeof dest);
  const ::卍点画 before = dest;
  ::巜画点(&dest);  // empty sources: the lists stay exactly as they were
  EXPECT_EQ(dest.count, -1);
  EXPECT_EQ(std::memcmp(&dest.L点画, &before.L点画, 2 * sizeof(LumoResultList)), 0);

  点画G.L点画 = {{1, 2, 3}};
  点画G.L点画2d = {{4, 5, 0}, {6, 7, 0}};
  ::巜画点(&dest);
  EXPECT_EQ(points_of(dest.L点画), 点画G.L点画);
  EXPECT_EQ(points_of(dest.L点画2d), 点画G.L点画2d);

  ::卍线画 segments;
  std::memset(&segments, 0x5A, sizeof segments);
  线画G.L段序L2线画 = {{{1, 1, 1}, {2, 2, 2}}};
  ::巜画线(&segments);
  EXPECT_EQ(items_of(segments.L段序L2线画), 线画G.L段序L2线画);
}

TEST_F(DrawBuffers, TheSegmentOrderListCopiesTheCallersListOfItems) {
  卍Vector first_points[] = {{1, 2, 3}, {4, 5, 6}};
  卍Vector second_points[] = {{7, 8, 9}};
  CallerList items[] = {{first_points, first_points + 2, first_points + 2},
                        {second_points, second_points + 1, second_points + 1},
                        {nullptr, nullptr, nullptr}};
  const CallerList src{items, items + 3, items + 3};
  const std::int32_t value = 12;

  LumoResultList* list = ::巜L段序L2一一绑彡画G(&value, reinterpret_cast<const LumoResultList*>(&src));
  EXPECT_EQ(static_cast<void*>(list), static_cast<void*>(&segment_order_list));
  EXPECT_EQ(segment_order_value, 12);
  EXPECT_EQ(segment_order_list, (DrawItemList{{{1, 2, 3}, {4, 5, 6}}, {{7, 8, 9}}, {}}));
  EXPECT_EQ(items_of(*list), segment_order_list) << "read in place by the caller";

  EXPECT_EQ(::巜L段序L2一一绑彡画G(nullptr, nullptr), list);
  EXPECT_EQ(segment_order_value, 12);
  EXPECT_EQ(segment_order_list.size(), 3u);
}

TEST_F(DrawBuffers, AMalformedSegmentOrderListIsReportedAndIgnored) {
  segment_order_list = {{{1, 1, 1}}};
  卍Vector points[2];
  CallerList bad_item[] = {{points + 2, points, points + 2}};
  const CallerList cases[] = {
      {points + 1, points, points + 1},                                   // end before first
      {nullptr, points, points},                                          // no first but an end
      {reinterpret_cast<char*>(points), reinterpret_cast<char*>(points) + 5, reinterpret_cast<char*>(points) + 5},
      {bad_item, bad_item + 1, bad_item + 1},                            // an item ends before it starts
  };
  for (const CallerList& src : cases) {
    Capture capture;
    ::巜L段序L2一一绑彡画G(nullptr, reinterpret_cast<const LumoResultList*>(&src));
    ASSERT_EQ(capture.boxes().size(), 1u);
    EXPECT_EQ(capture.boxes()[0].title, "assertion failure");
    EXPECT_EQ(segment_order_list, (DrawItemList{{{1, 1, 1}}}));
  }
}

TEST_F(DrawBuffers, CountResetsTouchTheirOwnBuffers) {
  auto raise_counts = [] {
    for (std::int32_t* count : {&点画G.count, &线画G.count, &乛画G.count, &丷画G.count, &厸画G.count, &厶画G.count})
      *count = 0;
    for (ArcGroup& group : arc_groups) group.points.count = group.segments.count = group.quads.count = 0;
  };
  raise_counts();
  〇画艹dr();
  EXPECT_EQ(线画G.count, -1);
  EXPECT_EQ(点画G.count, -1);
  EXPECT_EQ(丷画G.count, -1);
  EXPECT_EQ(厸画G.count, -1);
  EXPECT_EQ(乛画G.count, 0) << "not among the buffers it resets";
  EXPECT_EQ(厶画G.count, 0);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const std::int32_t expected = i < 3 ? -1 : 0;
    EXPECT_EQ(arc_groups[i].points.count, expected);
    EXPECT_EQ(arc_groups[i].segments.count, expected);
    EXPECT_EQ(arc_groups[i].quads.count, expected);
  }

  raise_counts();
  reset_solver_draw_counts();
  EXPECT_EQ(点画G.count, -1);
  EXPECT_EQ(丷画G.count, -1);
  EXPECT_EQ(线画G.count, -1);
  EXPECT_EQ(乛画G.count, -1);
  EXPECT_EQ(厸画G.count, 0);

  reset_skeleton_draw_counts();
  EXPECT_EQ(线画G.count, 0);
  EXPECT_EQ(乛画G.count, 0);
  EXPECT_EQ(点画G.count, -1);
}

TEST_F(DrawBuffers, ThePairCountIsHandedOver) {
  std::int32_t out = 99;
  EXPECT_EQ(::凸下上丷画(&out, nullptr), &out);
  EXPECT_EQ(out, 0);
  〇画艹dr();
  ::凸下上丷画(&out, nullptr);
  EXPECT_EQ(out, -1);
  EXPECT_EQ(::凸下上丷画(nullptr, nullptr), nullptr);
}

TEST_F(DrawBuffers, ThePrintCounterIsReportedWhileAboveZero) {
  EXPECT_EQ(::iΔ打印次数(), 1);
  iΔ打印次数 = 0;
  EXPECT_EQ(::iΔ打印次数(), 0);
  EXPECT_EQ(::py_定义L弓画数(7, 0, 0, 0), 7);
  EXPECT_EQ(::iΔ打印次数(), 1);
  iΔ打印次数 = 0;
  ::py_定义弓画数(nullptr, nullptr, nullptr, 0, 0, 0, 0);
  EXPECT_EQ(::iΔ打印次数(), 1);
}

TEST_F(DrawBuffers, TheNamedLinesArePrinted) {
  Capture capture;
  ::py_定义画数2d(12);
  ::〇画dr(3);
  EXPECT_EQ(capture.out(), "《《《  py_定义画数2d ,ciSize线2d__=12\n《 《 《 〇画dr \n");
  EXPECT_EQ(ciSize线2d__, 12);
}

TEST_F(DrawBuffers, TheNoEffectNamesShareOneEntryWhereTheyShould) {
  EXPECT_EQ(reinterpret_cast<void*>(&::下上弓画), reinterpret_cast<void*>(&::下上圆画));
  EXPECT_EQ(reinterpret_cast<void*>(&::下上画bl), reinterpret_cast<void*>(&::下上圆画));
  Capture capture;
  for (auto entry : {&::py_定义画数, &::〇画, &::下上圆画, &::下上弓画, &::下上画bl, &::下上字画, &::下上线画2d}) entry();
  EXPECT_EQ(capture.out(), "");
  EXPECT_EQ(点画G.count, -1);
}

// ---- Hand-over of region positions -------------------------------------------

constexpr float kUntouched = -7.5f;

class DrawProjection : public DrawBuffers {
 protected:
  // A perspective 3D view of 200 x 100 pixels looking down -z from (0, 0, 10).
  void cache_view() {
    ScrArea* area = hm_area_new(hm_window_screen(scene_.window), SPACE_VIEW3D);
    region_ = hm_region_new(area, RGN_TYPE_WINDOW, 0, 0, 200, 100);
    const float eye[3] = {0, 0, 10}, target[3] = {0, 0, 0}, up[3] = {0, 1, 0};
    ASSERT_NE(hm_view3d_perspective(region_, eye, target, up, 50, 0.1f, 100), nullptr);
    ASSERT_TRUE(b凷rv3d(scene_.context, true));
  }
  std::vector<float> projected(const 卍Vector& point) const {
    const float p[3] = {point.x, point.y, point.z};
    float out[2] = {};
    EXPECT_EQ(hm_view3d_project(region_, p, out), 1);
    return {out[0], out[1]};
  }
  void hand_over(std::int32_t index) {
    ::下上画1丅一乛(index, nullptr, nullptr, nullptr, segment_counts, segment_out.data(), segment_colour, quad_counts,
                quad_out.data(), quad_colour);
  }

  testing::ModelScene scene_;
  ARegion* region_ = nullptr;
  std::int32_t segment_counts[3] = {50, 50, 50}, quad_counts[3] = {50, 50, 50};
  std::vector<float> segment_out = std::vector<float>(16, kUntouched);
  std::vector<float> quad_out = std::vector<float>(16, kUntouched);
  float segment_colour[4] = {kUntouched, kUntouched, kUntouched, kUntouched};
  float quad_colour[4] = {kUntouched, kUntouched, kUntouched, kUntouched};
};

void expect_near(const float* actual, const std::vector<float>& expected) {
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-3f) << "component " << i;
}

TEST_F(DrawProjection, AtLoadCountsAndColoursAreHandedOverWithoutPositions) {
  hand_over(1);
  EXPECT_EQ(segment_counts[1], -1);
  EXPECT_EQ(quad_counts[1], -1);
  EXPECT_EQ(segment_counts[0], 50);
  EXPECT_EQ(quad_counts[2], 50);
  EXPECT_EQ(std::vector<float>(segment_colour, segment_colour + 4), (std::vector<float>{0, 1, 1, 1}));
  EXPECT_EQ(std::vector<float>(quad_colour, quad_colour + 4), (std::vector<float>{0, 1, 1, 1}));
  EXPECT_EQ(segment_out, std::vector<float>(16, kUntouched));
  EXPECT_EQ(quad_out, std::vector<float>(16, kUntouched));
}

TEST_F(DrawProjection, ItemsAreProjectedWithTheCachedViewOrZeroedWhenCollapsed) {
  cache_view();
  const 卍Vector a{1, 0.5f, 0}, b{-2, 1, -1}, c{0.5f, 0.5f, 2};
  线画G.count = 2;
  线画G.L段序L2线画 = {{a, b}, {c, c}, {a, c}};  // the third is beyond the count
  乛画G.count = 1;
  乛画G.L段序L2线画 = {{a, b, c, a}};
  乛画G.艹线画[2] = 0.25f;
  hand_over(0);

  expect_near(&segment_out[0], projected(a));
  expect_near(&segment_out[2], projected(b));
  EXPECT_EQ(std::vector<float>(&segment_out[4], &segment_out[8]), std::vector<float>(4, 0.0f)) << "collapsed item";
  EXPECT_EQ(segment_out[8], kUntouched) << "items beyond the count stay unwritten";
  for (int j = 0; j < 4; ++j) expect_near(&quad_out[j * 2], projected(乛画G.L段序L2线画[0][j]));
  EXPECT_EQ(quad_out[8], kUntouched);
  EXPECT_EQ(segment_counts[0], 2);
  EXPECT_EQ(quad_counts[0], 1);
  EXPECT_EQ(quad_colour[2], 0.25f);
}

TEST_F(DrawProjection, NoItemWritesIntoTheSlotsOfTheNext) {
  cache_view();
  const 卍Vector a{1, 0, 0}, b{0, 1, 0};
  线画G.count = 2;
  线画G.L段序L2线画 = {{a, b, a, b}, {b, a}};  // a first item longer than its two slots
  hand_over(0);
  expect_near(&segment_out[0], projected(a));
  expect_near(&segment_out[2], projected(b));
  expect_near(&segment_out[4], projected(b));  // the second item in its own slots
  expect_near(&segment_out[6], projected(a));
  EXPECT_EQ(segment_out[8], kUntouched);
}

TEST_F(DrawProjection, ANullOutputWritesNothingOfItsBuffer) {
  cache_view();
  线画G.count = 0;
  乛画G.count = -1;
  ::下上画1丅一乛(0, nullptr, nullptr, nullptr, segment_counts, nullptr, segment_colour, quad_counts, nullptr,
              quad_colour);
  EXPECT_EQ(segment_counts[0], 50);
  EXPECT_EQ(segment_colour[0], kUntouched);
  EXPECT_EQ(quad_counts[0], -1) << "a buffer without items still hands over its count";
  EXPECT_EQ(quad_colour[1], 1.0f);
}

TEST_F(DrawProjection, WithoutACachedViewPointsAreMarkedAndOneLineSaysWhy) {
  线画G.count = 2;
  线画G.L段序L2线画 = {{{1, 0, 0}, {0, 1, 0}}, {{2, 0, 0}, {0, 2, 0}}};
  Capture capture;
  hand_over(0);
  EXPECT_EQ(std::vector<float>(&segment_out[0], &segment_out[8]), std::vector<float>(8, kUnprojectedPixel));
  EXPECT_EQ(capture.out(), " 》》下上画1丅一乛 ,★ regionG 二二 ψ0\n");
}

TEST_F(DrawProjection, ANegativeIndexIsReportedAndWritesNoCount) {
  Capture capture;
  hand_over(-1);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("index ＜ 0"), std::string::npos);
  EXPECT_EQ(segment_counts[0], 50);
  EXPECT_EQ(quad_counts[0], 50);
  EXPECT_EQ(segment_colour[0], 0.0f) << "colours are still handed over";
}

}  // namespace
}  // namespace lumo
