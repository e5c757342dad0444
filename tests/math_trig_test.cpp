// The sine and cosine lookup tables: their contents, the telling lookups, and
// proof that the arithmetic bucket search picks the same entry as the
// six-decimal text rule.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "math/trig_tables.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;

const float* entry_of(const TrigTable& table, int k) {  // k = 1…4000
  const int i = k - 1;
  return table[i / 1000][i / 100 % 10][i % 100];
}

TEST(TrigTables, TellingRows) {
  struct Row {
    int k;
    float angle, sine, cosine;
  };
  const Row rows[] = {
      {1, 0.001f, 0.001f, 1},
      {58, 0.057999f, 0.057967f, 0.998319f},
      {1000, 0.99999f, 0.841466f, 0.540311f},
      {1001, 1.00099f, 0.842005f, 0.539469f},
      {1571, 1.570984f, 1, -0.000188f},
      {3142, 3.141969f, -0.000376f, -1},
      {4000, 3.99996f, -0.756776f, -0.653674f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("entry " + std::to_string(row.k));
    EXPECT_FLOAT_EQ(entry_of(kSineTable, row.k)[0], row.angle);
    EXPECT_FLOAT_EQ(entry_of(kCosineTable, row.k)[0], row.angle);
    EXPECT_NEAR(entry_of(kSineTable, row.k)[1], row.sine, 1e-7);
    EXPECT_NEAR(entry_of(kCosineTable, row.k)[1], row.cosine, 1e-7);
  }
}

TEST(TrigTables, EveryEntryIsTheDriftedAngleWithSixDecimals) {
  for (int k = 1; k <= 4000; ++k) {
    const double drifted = k * 0.00099999;
    const float* s = entry_of(kSineTable, k);
    const float* c = entry_of(kCosineTable, k);
    ASSERT_NEAR(s[0], drifted, 5e-7 + 2.5e-7) << k;  // six decimals, then a float
    ASSERT_EQ(s[0], c[0]) << k;
    ASSERT_NEAR(s[0], k / 1000.0, 5e-5) << k;
    ASSERT_LE(s[0], k / 1000.0 + 1e-7) << "angles drift below k/1000: " << k;
    ASSERT_NEAR(s[1], std::sin(drifted), 5e-7 + 1.2e-7) << k;
    ASSERT_NEAR(c[1], std::cos(drifted), 5e-7 + 1.2e-7) << k;
    if (k > 1) {
      ASSERT_GT(s[0], entry_of(kSineTable, k - 1)[0]) << "angles increase: " << k;
    }
  }
}

TEST(TrigLookup, TellingValues) {
  Capture capture;
  struct Case {
    const char* name;
    float x;
    float sine, cosine;  // expected, exactly
  };
  const Case cases[] = {
      {"zero is exact", 0.0f, 0.0f, 1.0f},
      {"negative zero is zero", -0.0f, 0.0f, 1.0f},
      // The first entry of bucket [1][0] (1.00099), although 0.99999 in the
      // bucket below is nearer: the search never leaves its bucket.
      {"1.0 takes the bucket's first entry", 1.0f, 0.842005f, 0.539469f},
      // Distances to 0.001 and 0.002 tie; the lower angle wins.
      {"0.0015 tie goes to the lower angle", 0.0015f, 0.001f, 1.0f},
      {"entry 58 exactly", 0.057999f, 0.057967f, 0.998319f},
      {"half pi", 1.5708f, 1.0f, -0.000188f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(sin查(c.x), c.sine);
    EXPECT_EQ(cos查(c.x), c.cosine);
  }
  // Every multiple of 0.1 takes the first entry of its own bucket.
  for (int m = 1; m < 40; ++m) {
    const float x = m / 10.0f;
    EXPECT_EQ(cos查(x), entry_of(kCosineTable, 100 * m + 1)[1]) << x;
    EXPECT_EQ(sin查(x), entry_of(kSineTable, 100 * m + 1)[1]) << x;
  }
  EXPECT_EQ(capture.out(), "");
}

TEST(TrigLookup, OutsideTheTablesUsesTheStandardFunctions) {
  Capture capture;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float below_four = std::nextafter(4.0f, 0.0f);  // 3.99999976, prints as 4.000000
  for (float x : {4.5f, 4.0f, 3.9999997f, below_four, 100.0f, -0.5f, -1e-9f, -3.99f}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(cos查(x), std::cos(x));
    EXPECT_EQ(sin查(x), std::sin(x));
  }
  EXPECT_TRUE(std::isnan(cos查(nan)));
  EXPECT_TRUE(std::isnan(sin查(-nan)));
  EXPECT_TRUE(std::isnan(cos查(inf)));
  EXPECT_TRUE(std::isnan(sin查(-inf)));
  EXPECT_EQ(capture.out(), "");
}

TEST(TrigLookup, PastTheLastEntryOfABucketPrintsAndUsesTheStandardFunction) {
  // The last entry of bucket [0][9] is 0.99999; 0.999995 still belongs to it.
  Capture capture;
  EXPECT_EQ(cos查(0.999995f), std::cos(0.999995f));
  EXPECT_EQ(capture.out(), "Δmath查22 找不到= 0.999995\n");
  capture.clear();
  EXPECT_EQ(sin查(3.99998f), std::sin(3.99998f));
  EXPECT_EQ(capture.out(), "Δmath查22 找不到= 3.999980\n");
}

TEST(TrigLookup, StaysCloseToTheStandardFunctions) {
  Capture capture;  // bucket ends print their line
  for (int i = 1; i < 400000; ++i) {
    const float x = i * 1e-5f;
    ASSERT_NEAR(cos查(x), std::cos(x), 1.1e-3) << x;
    ASSERT_NEAR(sin查(x), std::sin(x), 1.1e-3) << x;
  }
}

// --- The six-decimal text rule, as the reference for the arithmetic ---------

TrigSlot text_rule_slot(float x, const TrigTable& table) {
  if (x == 0) return {TrigSlot::kExactZero, -1};
  if (x > 4) return {TrigSlot::kStandard, -1};
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(x));
  // x in (0, 4] prints as "D.EFdddd"; NaN and negatives start with 'n' or '-'.
  const char d = text[0];
  if (d < '0' || d > '3') return {TrigSlot::kStandard, -1};
  const int D = d - '0', E = text[2] - '0', F = text[3] - '0';
  const auto& bucket = table[D][E];
  int c = 10 * F - 1;
  if (c == -1) c = 0;
  for (; c < 100; ++c) {
    if (bucket[c][0] >= x) {
      if (c == 0) return {TrigSlot::kEntry, 1000 * D + 100 * E};
      const int chosen = bucket[c][0] - x < x - bucket[c - 1][0] ? c : c - 1;
      return {TrigSlot::kEntry, 1000 * D + 100 * E + chosen};
    }
  }
  return {TrigSlot::kNotFound, -1};
}

// Adds x and the `ulps` floats on each side of it.
void add_around(std::vector<float>& xs, float x, int ulps) {
  xs.push_back(x);
  float up = x, down = x;
  for (int i = 0; i < ulps; ++i) {
    up = std::nextafter(up, 10.0f);
    down = std::nextafter(down, -10.0f);
    xs.push_back(up);
    xs.push_back(down);
  }
}

TEST(TrigLookup, ArithmeticPicksTheSameEntryAsTheSixDecimalText) {
  std::vector<float> xs;
  const auto& angles = kCosineTable;
  for (int k = 1; k <= 4000; ++k) {
    const float angle = entry_of(angles, k)[0];
    add_around(xs, angle, 24);                                     // an entry's own angle
    if (k > 1) add_around(xs, (angle + entry_of(angles, k - 1)[0]) / 2, 8);  // distance ties
    add_around(xs, k / 1000.0f, 8);
  }
  // Where the six-decimal digits D, E or F change: x·1e6 = m·10000 − 0.5.
  for (int m = 0; m <= 400; ++m) add_around(xs, static_cast<float>((m * 10000 - 0.5) / 1e6), 64);
  // Where "%f" itself ties (x·1e6 ends in .5 exactly: the odd multiples of 1/128).
  for (int odd = 1; odd < 4 * 128 + 8; odd += 2) add_around(xs, odd / 128.0f, 2);
  for (int m = 0; m <= 45; ++m) {
    add_around(xs, m / 10.0f, 16);
    add_around(xs, m * 0.1f, 16);
  }
  add_around(xs, 4.0f, 2000);
  add_around(xs, 3.9999995f, 16);
  add_around(xs, std::numeric_limits<float>::denorm_min(), 16);
  add_around(xs, std::numeric_limits<float>::min(), 16);
  // A stride through the floats from 1e-7 to 4.5, every 389th.
  for (float x = 1e-7f; x < 4.5f;) {
    xs.push_back(x);
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof x);
    bits += 389;
    std::memcpy(&x, &bits, sizeof x);
  }
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float x : {nan, -nan, inf, -inf, -0.0f, -1e-9f, -0.0015f, -1.0f, -3.99f, -4.5f, 4.5f, 5.0f, 1e30f})
    xs.push_back(x);
  for (int i = 1; i < 1000; ++i) xs.push_back(-i * 0.0047f);

  Capture capture;  // bucket ends print their line
  size_t entries = 0, not_found = 0;
  for (float x : xs) {
    for (const TrigTable* table : {&kSineTable, &kCosineTable}) {
      const TrigSlot expected = text_rule_slot(x, *table);
      const TrigSlot actual = trig_slot(x, *table);
      ASSERT_EQ(actual.kind, expected.kind) << std::hexfloat << x;
      ASSERT_EQ(actual.entry, expected.entry) << std::hexfloat << x;
      entries += actual.kind == TrigSlot::kEntry;
      not_found += actual.kind == TrigSlot::kNotFound;
      if (actual.kind != TrigSlot::kEntry) {
        ASSERT_EQ(actual.entry, -1) << "only table entries index the tables";
      }
    }
  }
  // The sweep reaches every kind of outcome.
  EXPECT_GT(entries, xs.size());
  EXPECT_GT(not_found, 0u);
}

}  // namespace
}  // namespace lumo
