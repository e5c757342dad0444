// Vectors and vector views: the operations that make decisions, their
// thresholds and console lines, and views writing through into matrix rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>

#include "math/matrix.h"
#include "math/triangle_sides.h"
#include "math/vector.h"
#include "math/vector_view.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;

void expect_near(const 卍Vector& actual, const 卍Vector& expected, float tolerance = 1e-6f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

bool same_bits(const 卍Vector& a, const 卍Vector& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Vector, ElementWiseOperations) {
  const 卍Vector a(1, 2, 3), b(4, -5, 0.5f);
  EXPECT_EQ(a + b, 卍Vector(5, -3, 3.5f));
  EXPECT_EQ(a - b, 卍Vector(-3, 7, 2.5f));
  EXPECT_EQ(-a, 卍Vector(-1, -2, -3));
  EXPECT_EQ(a * 2, 卍Vector(2, 4, 6));
  EXPECT_EQ(0.5f * a, 卍Vector(0.5f, 1, 1.5f));
  卍Vector c = a;
  c += b;
  c *= 2;
  EXPECT_EQ(c, 卍Vector(10, -6, 7));
  EXPECT_FLOAT_EQ(f3_dot(a, b), 4 - 10 + 1.5f);
  EXPECT_FLOAT_EQ(f3_length(卍Vector(3, 4, 12)), 13);
  EXPECT_FLOAT_EQ(f3_distance(卍Vector(1, 1, 1), 卍Vector(4, 5, 1)), 5);
  EXPECT_TRUE(f3_is_zero(卍Vector(0, -0.0f, 0)));
  EXPECT_FALSE(f3_is_zero(卍Vector(0, 1e-30f, 0)));
  EXPECT_FALSE(a == 卍Vector(1, 2, 3.0000002f));
  const float host_field[3] = {7, 8, 9};
  EXPECT_EQ(卍Vector(host_field), 卍Vector(7, 8, 9));
}

TEST(Vector, CrossProductsAreRightHanded) {
  EXPECT_EQ(f3_cross(卍Vector(1, 0, 0), 卍Vector(0, 1, 0)), 卍Vector(0, 0, 1));
  EXPECT_EQ(f3_cross(卍Vector(0, 1, 0), 卍Vector(0, 0, 1)), 卍Vector(1, 0, 0));
  EXPECT_EQ(f3_cross(卍Vector(1, 2, 3), 卍Vector(4, 5, 6)), 卍Vector(-3, 6, -3));

  卍Vector out(7, 7, 7);
  EXPECT_FALSE(f3_cross_safe(卍Vector(), 卍Vector(1, 0, 0), out));
  EXPECT_FALSE(f3_cross_safe(卍Vector(1, 0, 0), 卍Vector(), out));
  EXPECT_EQ(out, 卍Vector(7, 7, 7)) << "a zero operand leaves the output untouched";
  EXPECT_TRUE(f3_cross_safe(卍Vector(0, 0, 1), 卍Vector(1, 0, 0), out));
  EXPECT_EQ(out, 卍Vector(0, 1, 0));
  // Parallel operands are not zero: the product (zero) is written.
  EXPECT_TRUE(f3_cross_safe(卍Vector(2, 0, 0), 卍Vector(1, 0, 0), out));
  EXPECT_TRUE(f3_is_zero(out));
}

TEST(Vector, NormalizeThresholds) {
  struct Case {
    const char* name;
    卍Vector input;
    bool skip_if_zero;
    卍Vector expected;
  };
  const Case cases[] = {
      {"3-4-0 becomes unit", {3, 4, 0}, false, {0.6f, 0.8f, 0}},
      {"length just above 1e-6 is scaled", {2e-6f, 0, 0}, false, {1, 0, 0}},
      {"length below 1e-6 becomes zero", {5e-7f, 5e-7f, 0}, false, {0, 0, 0}},
      {"zero stays zero", {0, 0, 0}, false, {0, 0, 0}},
      {"zero skipped", {0, 0, 0}, true, {0, 0, 0}},
      {"tiny but not zero is not skipped", {1e-7f, 0, 0}, true, {0, 0, 0}},
      {"negative components", {0, -2, 0}, false, {0, -1, 0}},
  };
  for (const Case& c : cases) {
    卍Vector v = c.input;
    f3_normalize(v, c.skip_if_zero);
    SCOPED_TRACE(c.name);
    expect_near(v, c.expected);
  }
  // A vector whose 1/length is exactly 1 is left bit-for-bit as it was.
  卍Vector unit(0.6f, 0.8f, 0);
  ASSERT_EQ(1.0f / f3_length(unit), 1.0f);
  const 卍Vector before = unit;
  f3_normalize(unit);
  EXPECT_TRUE(same_bits(unit, before));
}

TEST(Vector, NormalizedCopyReturnsTheInverseLength) {
  卍Vector out;
  const 卍Vector v(0, 0, 5);
  EXPECT_FLOAT_EQ(f3_f3工(v, out), 0.2f);
  EXPECT_EQ(out, 卍Vector(0, 0, 1));
  EXPECT_EQ(v, 卍Vector(0, 0, 5)) << "the input is not changed";

  const 卍Vector unit(0, 1, 0);
  EXPECT_EQ(f3_f3工(unit, out), 1.0f);
  EXPECT_TRUE(same_bits(out, unit));

  // The zero vector gives the zero vector, not NaN.
  out = {9, 9, 9};
  EXPECT_EQ(f3_f3工(卍Vector(), out), 0.0f);
  EXPECT_EQ(out, 卍Vector());
}

TEST(Vector, DivideByZeroGivesZeroAndALine) {
  Capture capture;
  EXPECT_EQ(f3_divide(卍Vector(2, 4, -6), 2), 卍Vector(1, 2, -3));
  EXPECT_EQ(capture.out(), "");
  EXPECT_EQ(f3_divide(卍Vector(2, 4, -6), 0), 卍Vector());
  EXPECT_EQ(capture.out(), "★★ Ξ(v,f) :f= 0 \n");
}

TEST(Vector, AngleNormalizesOnlyWhatIsAskedAndClamps) {
  Capture capture;
  {
    卍Vector v(2, 0, 0), w(0, 3, 0);
    EXPECT_FLOAT_EQ(f3_angle(v, w, true, false), std::numbers::pi_v<float> / 2);
    EXPECT_EQ(v, 卍Vector(1, 0, 0)) << "normalised in place";
    EXPECT_EQ(w, 卍Vector(0, 3, 0)) << "left alone";
  }
  {
    // Parallel, not equal: a dot product rounding above 1 must not give NaN.
    卍Vector v(0.1f, 0.2f, 0.3f), w(0.2f, 0.4f, 0.6f);
    const float angle = f3_angle(v, w, true, true);
    EXPECT_FALSE(std::isnan(angle));
    EXPECT_NEAR(angle, 0, 5e-4f);
    卍Vector a(0.1f, 0.2f, 0.3f), b(-0.2f, -0.4f, -0.6f);
    EXPECT_NEAR(f3_angle(a, b, true, true), std::numbers::pi_v<float>, 5e-4f);
  }
  EXPECT_EQ(capture.out(), "");
  {
    卍Vector v(1, 2, 3), w(1, 2, 3);
    EXPECT_EQ(f3_angle(v, w, true, true), 0.0f);
    EXPECT_EQ(v, 卍Vector(1, 2, 3)) << "equal vectors are not normalised";
    EXPECT_EQ(capture.out(), "★Λ v 二二 v1\n");
  }
}

TEST(Vector, GrowAndShrinkToALength) {
  struct Case {
    const char* name;
    bool grow;
    float limit;
    卍Vector input;
    bool changed;
    卍Vector expected;
  };
  const Case cases[] = {
      {"grow a short vector", true, 10, {0, 3, 4}, true, {0, 6, 8}},
      {"grow leaves a long vector", true, 1, {0, 3, 4}, false, {0, 3, 4}},
      {"grow leaves an exact length", true, 5, {0, 3, 4}, false, {0, 3, 4}},
      {"grow leaves the zero vector", true, 1, {0, 0, 0}, false, {0, 0, 0}},
      {"shrink a long vector", false, 1, {0, 3, 4}, true, {0, 0.6f, 0.8f}},
      {"shrink leaves a short vector", false, 10, {0, 3, 4}, false, {0, 3, 4}},
      {"shrink leaves the zero vector", false, -1, {0, 0, 0}, false, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    卍Vector v = c.input;
    EXPECT_EQ(c.grow ? f3_grow_to(c.limit, v) : f3_shrink_to(c.limit, v), c.changed);
    EXPECT_FALSE(std::isnan(v.x) || std::isnan(v.y) || std::isnan(v.z));
    expect_near(v, c.expected);
  }
}

TEST(Vector, DominantAxis) {
  struct Case {
    const char* name;
    卍Vector v;
    int index;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {"x", {2, 1, -1}, 0},           {"negative y", {0, -3, 1}, 1},      {"z", {1, 1, 2}, 2},
      {"x tied with y", {1, 1, 0}, 255}, {"x tied with z", {-5, 0, 5}, 255}, {"y tied with z", {0, 2, -2}, 255},
      {"NaN", {nan, 1, 0}, 255},
  };
  Capture capture;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    卍Vector axis(7, 7, 7);
    EXPECT_EQ(i在XYZ(c.v, &axis), c.index);
    if (c.index == 255) {
      EXPECT_EQ(axis, 卍Vector(7, 7, 7)) << "no strict maximum leaves the output untouched";
    } else {
      卍Vector expected;
      expected[c.index] = 1;
      EXPECT_EQ(axis, expected);
    }
    EXPECT_EQ(i在XYZ(c.v), c.index) << "the output is optional";
  }
  EXPECT_TRUE(capture.boxes().empty());

  卍Vector axis(7, 7, 7);
  EXPECT_EQ(i在XYZ(卍Vector(), &axis), 0);
  EXPECT_EQ(axis, 卍Vector(7, 7, 7));
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.boxes()[0].title, "assertion failure");
  EXPECT_NE(capture.boxes()[0].text.find("条件 : 卩〇(乛) "), std::string::npos) << capture.boxes()[0].text;
  EXPECT_NE(capture.boxes()[0].text.find("函数 : i在XYZ "), std::string::npos);
}

TEST(Vector, TriangleSides) {
  EXPECT_NEAR(angle_from_sides(3, 4, 5), std::numbers::pi_v<float> / 2, 1e-6f);
  EXPECT_NEAR(angle_from_sides(1, 1, 1), std::numbers::pi_v<float> / 3, 1e-6f);
  EXPECT_NEAR(angle_from_sides(1, 1, 2), std::numbers::pi_v<float>, 1e-3f);
  EXPECT_FLOAT_EQ(leg_from_sides(5, 3), 4);
  EXPECT_FLOAT_EQ(hypot_of(3, 4), 5);
  // Not clamped: impossible triangles are the caller's to avoid.
  EXPECT_TRUE(std::isnan(angle_from_sides(1, 1, 3)));
  EXPECT_TRUE(std::isnan(leg_from_sides(3, 5)));
}

TEST(VectorView, ReadsAndWritesThroughIntoAMatrixRow) {
  卍Matrix4 m;
  卍Vectorψ y = m.row(1);
  EXPECT_EQ(卍Vector(y), 卍Vector(0, 1, 0));

  y = 卍Vector(0, 3, 4);
  EXPECT_EQ(m[1][0], 0);
  EXPECT_EQ(m[1][1], 3);
  EXPECT_EQ(m[1][2], 4);
  EXPECT_EQ(m[1][3], 0) << "the fourth column is not part of the view";

  f3_normalize(y);
  EXPECT_FLOAT_EQ(m[1][1], 0.6f);
  EXPECT_FLOAT_EQ(m[1][2], 0.8f);

  // Assigning one view to another copies values; neither view rebinds.
  卍Vectorψ x = m.row(0);
  x = y;
  EXPECT_EQ(m.row(0), m.row(1));
  m[1][0] = 9;
  EXPECT_EQ(m[0][0], 0) << "x still refers to row 0";

  卍Vectorψ t = m.row(3);
  t += 卍Vector(1, 2, 3);
  t *= 2;
  EXPECT_EQ(m.row(3), 卍Vector(2, 4, 6));
  EXPECT_EQ(t + 卍Vector(1, 1, 1), 卍Vector(3, 5, 7)) << "a view is read wherever a vector is";

  float host_field[3] = {0, 0, 2};
  卍Vectorψ head(host_field);
  f3_grow_to(4, head);
  EXPECT_EQ(host_field[2], 4);
}

TEST(VectorView, AngleAndCrossThroughViews) {
  Capture capture;
  卍Matrix4 m;
  m.row(0) = 卍Vector(2, 0, 0);
  m.row(2) = 卍Vector(0, 0, 5);
  EXPECT_FLOAT_EQ(f3_angle(m.row(0), m.row(2), true, true), std::numbers::pi_v<float> / 2);
  EXPECT_EQ(m.row(0), 卍Vector(1, 0, 0));
  EXPECT_EQ(m.row(2), 卍Vector(0, 0, 1));

  卍Vector v(0, 4, 0);
  EXPECT_FLOAT_EQ(f3_angle(v, m.row(0), true, false), std::numbers::pi_v<float> / 2);
  EXPECT_EQ(v, 卍Vector(0, 1, 0));

  EXPECT_TRUE(f3_cross_safe(卍Vector(0, 1, 0), 卍Vector(0, 0, 1), m.row(1)));
  EXPECT_EQ(m.row(1), 卍Vector(1, 0, 0));
  EXPECT_FALSE(f3_cross_safe(卍Vector(), 卍Vector(0, 0, 1), m.row(1)));
  EXPECT_EQ(m.row(1), 卍Vector(1, 0, 0));
}

}  // namespace
}  // namespace lumo
