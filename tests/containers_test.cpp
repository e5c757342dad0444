// Membership arrays, segmented sets, index pairs and the guarded list helpers.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "containers/bool_array.h"
#include "containers/index_pair.h"
#include "containers/list_size.h"
#include "containers/sparse_bool_set.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;

std::vector<int> segment_bytes(const 卍cBool& set, int k) {
  return std::vector<int>(set.L段ψb[k].get(), set.L段ψb[k].get() + set.L段len[k]);
}

std::vector<int> bytes_of(const 卍Bool& b) { return std::vector<int>(b.bytes.get(), b.bytes.get() + b.isize); }

// ---------------------------------------------------------------------------
// 卍cBool segmentation

struct SegmentCase {
  const char* name;
  std::vector<int> input;
  std::vector<std::array<int, 2>> ranges;
  std::vector<std::vector<int>> bytes;
};

class SparseSetSegments : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(SparseSetSegments, SplitsOnTwentyNonMembers) {
  const SegmentCase& c = GetParam();
  卍cBool set;
  set.Set(c.input, 100);
  ASSERT_EQ(set.segment_count(), static_cast<int>(c.ranges.size()));
  for (size_t k = 0; k < c.ranges.size(); ++k) {
    EXPECT_EQ(set.L段L2ξ[k].first, c.ranges[k][0]) << "segment " << k;
    EXPECT_EQ(set.L段L2ξ[k].second, c.ranges[k][1]) << "segment " << k;
    EXPECT_EQ(segment_bytes(set, static_cast<int>(k)), c.bytes[k]) << "segment " << k;
  }
  EXPECT_EQ(set.is_set, 1);
  EXPECT_EQ(set.isize, 100);
  EXPECT_EQ(set.size一, 99);
}

std::vector<int> run_with_gap(int gap) {
  std::vector<int> run(static_cast<size_t>(gap + 2), 0);
  run.front() = run.back() = 1;
  return run;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SparseSetSegments,
    ::testing::Values(SegmentCase{"dense_run", {3, 4, 5}, {{3, 5}}, {{1, 1, 1}}},
                      SegmentCase{"gap_of_19_stays", {0, 20}, {{0, 20}}, {run_with_gap(19)}},
                      SegmentCase{"gap_of_20_splits", {0, 21}, {{0, 0}, {21, 21}}, {{1}, {1}}},
                      SegmentCase{"unsorted_with_repeats", {5, 5, 2}, {{2, 5}}, {{1, 0, 0, 1}}},
                      SegmentCase{"single_member", {7}, {{7, 7}}, {{1}}},
                      SegmentCase{"three_segments_far_apart",
                                  {90, 1, 2, 40, 41, 43},
                                  {{1, 2}, {40, 43}, {90, 90}},
                                  {{1, 1}, {1, 1, 0, 1}, {1}}}),
    [](const ::testing::TestParamInfo<SegmentCase>& info) { return std::string(info.param.name); });

TEST(SparseSet, MembershipMatchesTheInputExactly) {
  const std::vector<int> members = {0, 19, 39, 60, 61, 200, 1000000};
  卍cBool set;
  set.Set(members, 1000001);
  for (int i = -5; i < 260; ++i) {
    const bool expected = std::find(members.begin(), members.end(), i) != members.end();
    EXPECT_EQ(set.contains(i), expected) << i;
  }
  EXPECT_TRUE(set.contains(1000000));
  EXPECT_FALSE(set.contains(999999));
  EXPECT_EQ(set.first_member, 0);
  EXPECT_EQ(set.ξ大, 1000000);
}

TEST(SparseSet, EmptyListKeepsOrClearsAsAsked) {
  卍cBool set;
  set.Set({4, 9}, 10);
  set.Set({}, 50);
  EXPECT_EQ(set.segment_count(), 1);
  EXPECT_EQ(set.isize, 10);
  EXPECT_TRUE(set.contains(9));

  set.Set({}, 50, false);
  EXPECT_EQ(set.segment_count(), 0);
  EXPECT_EQ(set.is_set, 0);
  EXPECT_FALSE(set.contains(9));
}

TEST(SparseSet, RebuildWithFewerSegmentsForgetsTheOldOnes) {
  卍cBool set;
  set.Set({0, 50, 100}, 101);
  ASSERT_EQ(set.segment_count(), 3);
  set.Set({60, 61}, 101);
  ASSERT_EQ(set.segment_count(), 1);
  EXPECT_FALSE(set.contains(0));
  EXPECT_FALSE(set.contains(100));
  EXPECT_TRUE(set.contains(61));
}

TEST(SparseSet, CopiesOwnTheirBuffers) {
  卍cBool source;
  source.Set({1, 2, 30, 31, 32}, 40);
  卍cBool target;
  target.Set({5}, 6);  // smaller buffers than the source needs
  target = source;
  ASSERT_EQ(target.segment_count(), 2);
  for (int k = 0; k < 2; ++k) {
    EXPECT_NE(target.L段ψb[k].get(), source.L段ψb[k].get());
    EXPECT_EQ(segment_bytes(target, k), segment_bytes(source, k));
    EXPECT_EQ(target.L段L2ξ[k], source.L段L2ξ[k]);
  }
  EXPECT_EQ(target.isize, 40);
  EXPECT_EQ(target.first_member, 1);
  EXPECT_EQ(target.ξ大, 32);

  source.L段ψb[0][0] = 0;  // a change to the source must not show in the copy
  EXPECT_TRUE(target.contains(1));

  卍cBool constructed(target);
  target.Set({3}, 4);
  EXPECT_TRUE(constructed.contains(31));
  EXPECT_FALSE(constructed.contains(3));

  const auto* before = constructed.L段ψb[0].get();
  constructed = constructed;
  EXPECT_EQ(constructed.L段ψb[0].get(), before);
  EXPECT_TRUE(constructed.contains(2));
}

// ---------------------------------------------------------------------------
// 卍Bool

TEST(BoolArray, ConstructorFillsAndNames) {
  卍Bool b("LB点3", 3, 1);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(b.isize, 3);
  EXPECT_EQ(b.size一, 2);
  EXPECT_EQ(b.has_members, 1);
  EXPECT_EQ(b.name, "LB点3");
}

TEST(BoolArray, ResizeKeepsOldBytesAndZeroesNewOnes) {
  卍Bool b("LB骨序物理", 4, 0);
  b[1] = 1;
  b[3] = 1;
  b.Resize(8);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{0, 1, 0, 1, 0, 0, 0, 0}));

  Capture capture;
  EXPECT_EQ(b[8], 0);
  EXPECT_EQ(capture.out(), "★★★卍Bool越界:size一 ＜ ξ,ξ = 8  ·isize= 8·size一= 7· name=LB骨序物理\n");

  // Shrinking hides bytes; growing again zeroes them rather than reviving them.
  b.Resize(2);
  EXPECT_EQ(b.size一, 1);
  b.Resize(4);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{0, 1, 0, 0}));
}

TEST(BoolArray, OutOfRangeAccessUsesAScratchByte) {
  卍Bool b("LB全序是排除点", 2, 0);
  Capture capture;
  b[-3] = 1;
  EXPECT_EQ(capture.out(), "★★★卍Bool越界:ξ ＜ 0 ,ξ = -3 · name=LB全序是排除点\n");
  b[5] = 1;  // lost
  EXPECT_EQ(b[7], 0);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{0, 0}));
  const 卍Bool& view = b;
  EXPECT_EQ(view[2], 0);
}

TEST(BoolArray, SetClearsThenMarksListedIndices) {
  卍Bool b("LB", 3, 1);
  b.Set(6, {0, 5, 9, -1});  // 9 and -1 lie outside and are skipped
  EXPECT_EQ(bytes_of(b), (std::vector<int>{1, 0, 0, 0, 0, 1}));
  EXPECT_EQ(b.size一, 5);
  EXPECT_EQ(b.has_members, 1);

  b.Set(2, {});  // only the flag changes
  EXPECT_EQ(b.has_members, 0);
  EXPECT_EQ(b.isize, 6);
  EXPECT_EQ(b[5], 1);
}

TEST(BoolArray, AddMarksWithoutClearingAndReportsIndicesPastTheEnd) {
  卍Bool b("LB", 4, 0);
  b[0] = 1;
  Capture capture;
  b.巜({2, 4, -2});
  EXPECT_EQ(bytes_of(b), (std::vector<int>{1, 0, 1, 0}));
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("size一 ＜ I"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("卍Bool::巜"), std::string::npos);
}

TEST(BoolArray, EmptyArrayRejectsEveryIndex) {
  卍Bool b("LB", 0, 0);
  Capture capture;
  b[0] = 1;
  b.巜({0});
  EXPECT_EQ(b[0], 0);
  EXPECT_EQ(capture.boxes().size(), 1u);
  b.Resize(-4);  // taken as 0
  EXPECT_EQ(b.isize, 0);
}

TEST(BoolArray, CopiesAreDeep) {
  卍Bool a("LB", 3, 0);
  a[2] = 1;
  卍Bool b(a);
  a[2] = 0;
  EXPECT_EQ(b[2], 1);
  卍Bool c("other", 1, 0);
  c = b;
  b[0] = 1;
  EXPECT_EQ(bytes_of(c), (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(c.name, "LB");
}

// ---------------------------------------------------------------------------
// 卍2ξ

TEST(IndexPair, FillsFirstThenSecondAndDropsAThird) {
  卍2ξ pair;
  EXPECT_EQ(pair.first, -1);
  EXPECT_EQ(pair.second, -1);
  EXPECT_EQ(pair.state, 255);
  pair.十十卩(4);
  EXPECT_EQ(pair.state, 0);
  pair.十十卩(9);
  EXPECT_EQ(pair.state, 1);
  Capture capture;
  pair.十十卩(11);
  EXPECT_EQ(capture.out(), "★ 卍2ξ 十十卩()  ξ_=11n");
  EXPECT_EQ(pair[0], 4);
  EXPECT_EQ(pair[1], 9);
  EXPECT_EQ(pair.count(), 2);
}

TEST(IndexPair, OutOfRangeIndexPrintsBothLinesAndYieldsMinusOne) {
  struct Case {
    int k;
    const char* printed;
  };
  for (const Case& c : {Case{2, "卍2ξ  越界★★★ :1 ＜ ξ_,ξ_ = 2  n"}, Case{-1, "卍2ξ 越界★★★ :ξ_ ＜ 0 ,ξ = -1 n"}}) {
    卍2ξ pair(3, 5);
    Capture capture;
    pair[c.k] = 77;  // lands in the scratch value
    EXPECT_EQ(pair[c.k], -1) << c.k;
    const 卍2ξ& view = pair;
    EXPECT_EQ(view[c.k], -1) << c.k;
    EXPECT_EQ(capture.out().substr(0, std::string(c.printed).size()), c.printed) << c.k;
    EXPECT_EQ(pair.first, 3);
    EXPECT_EQ(pair.second, 5);
  }
}

// ---------------------------------------------------------------------------
// List helpers

TEST(ListHelpers, ResizeBelowOneEmptiesAfterItsMessage) {
  std::vector<int> list = {1, 2, 3};
  Capture capture;
  ResizeL(0, list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(capture.out(), "★★Resize  无 L  iSize ＜ 1, iSize=0");

  capture.clear();
  std::vector<std::vector<float>> lists(2);
  ResizeLL(-2, lists);
  EXPECT_TRUE(lists.empty());
  EXPECT_EQ(capture.out(), "★★Resize  无 LL iSize ＜ 1, iSize=-2");
}

TEST(ListHelpers, ResizeKeepsLeadingElementsAndValueInitialisesNewOnes) {
  std::vector<卍2ξ> pairs(1);
  pairs[0].十十卩(8);
  ResizeL(3, pairs);
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[0].first, 8);
  EXPECT_EQ(pairs[2].first, -1);

  std::vector<std::vector<int>> lists = {{1}};
  ResizeLL(3, 2, lists);
  ASSERT_EQ(lists.size(), 3u);
  EXPECT_EQ(lists[0], (std::vector<int>{1, 0}));
  EXPECT_EQ(lists[2], (std::vector<int>{0, 0}));
}

TEST(ListHelpers, FillRefusesCountsBelowOneAndKeepsTheList) {
  std::vector<float> list = {1.5f};
  Capture capture;
  灬冖L(0, 2.0f, list);
  EXPECT_EQ(capture.out(), "★★ 灬冖  L iSize ＜ 1, iSize=0");
  EXPECT_EQ(list, (std::vector<float>{1.5f}));
  灬冖L(3, 2.0f, list);
  EXPECT_EQ(list, (std::vector<float>{2.0f, 2.0f, 2.0f}));
}

TEST(ListHelpers, ListCopies) {
  std::vector<int> dst = {9, 9, 9, 9};
  copy_list(std::vector<int>{1, 2}, dst);
  EXPECT_EQ(dst, (std::vector<int>{1, 2}));

  copy_list(std::vector<int>{}, dst);  // an empty source leaves the target
  EXPECT_EQ(dst, (std::vector<int>{1, 2}));
  {
    Capture capture;
    copy_list(std::vector<int>{}, dst, 0, true);
    EXPECT_TRUE(dst.empty());
  }

  // An offset that matches the sizes must not let the copy run past the target.
  std::vector<int> short_dst = {7};
  copy_list(std::vector<int>{1, 2, 3}, short_dst, 2);
  EXPECT_EQ(short_dst, (std::vector<int>{1, 2, 3}));

  std::vector<std::vector<int>> nested_dst = {{5, 5, 5}};
  copy_list(std::vector<std::vector<int>>{{1}, {}, {2, 3}}, nested_dst);
  EXPECT_EQ(nested_dst, (std::vector<std::vector<int>>{{1}, {}, {2, 3}}));
}

TEST(ListHelpers, ArrayCopiesTruncateFloats) {
  const float values[] = {1.9f, -2.7f, 3.0f};
  std::vector<int> list;
  copy_array_to_list(3, values, list);
  EXPECT_EQ(list, (std::vector<int>{1, -2, 3}));

  std::array<std::uint8_t, 3> bytes{};
  EXPECT_EQ(copy_list_to_array(std::vector<float>{0.9f, 1.0f, 2.5f}, bytes.data(), true), 3);
  EXPECT_EQ(bytes, (std::array<std::uint8_t, 3>{0, 1, 2}));

  Capture capture;
  EXPECT_EQ(copy_list_to_array(list, static_cast<int*>(nullptr), false), 0);
  EXPECT_TRUE(capture.boxes().empty());
  EXPECT_EQ(copy_list_to_array(list, static_cast<int*>(nullptr), true), 0);
  EXPECT_EQ(capture.boxes().size(), 1u);
  copy_array_to_list(2, static_cast<const float*>(nullptr), list);
  EXPECT_EQ(list, (std::vector<int>{1, -2, 3}));
  EXPECT_EQ(capture.boxes().size(), 2u);
}

}  // namespace
}  // namespace lumo
