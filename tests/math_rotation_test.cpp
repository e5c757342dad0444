// Rotations: axis–angle through the lookup tables, quaternions, Euler orders,
// frames from axes, and bone matrices from direction and roll.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

#include "host_math.h"  // the model host's independent matrix math
#include "math/euler.h"
#include "math/frame.h"
#include "math/matrix.h"
#include "math/products.h"
#include "math/quaternion.h"
#include "math/roll.h"
#include "math/rotation.h"
#include "math/trig_tables.h"
#include "math/vector.h"
#include "math/vector_view.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;
constexpr float kPi = std::numbers::pi_v<float>;

void expect_near(const 卍Vector& actual, const 卍Vector& expected, float tolerance = 1e-5f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

template <int N>
void expect_rows_near(const float (&actual)[N][N], const float (&expected)[N][N], float tolerance = 1e-5f) {
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) EXPECT_NEAR(actual[i][j], expected[i][j], tolerance) << "[" << i << "][" << j << "]";
}

void expect_orthonormal(const Rows3& m, float tolerance = 1e-5f) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const float dot = m[i][0] * m[j][0] + m[i][1] * m[j][1] + m[i][2] * m[j][2];
      EXPECT_NEAR(dot, i == j ? 1 : 0, tolerance) << "rows " << i << ", " << j;
    }
  // Right-handed: X × Y = Z.
  expect_near(f3_cross(卍Vector(m[0][0], m[0][1], m[0][2]), 卍Vector(m[1][0], m[1][1], m[1][2])),
              卍Vector(m[2][0], m[2][1], m[2][2]), tolerance);
}

bool same_bits(const 卍Vector& a, const 卍Vector& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Rodrigues' rotation with the standard sine and cosine, as a reference.
卍Vector rotated_exactly(float angle, 卍Vector axis, const 卍Vector& v) {
  f3_normalize(axis);
  const double c = std::cos(double(angle)), s = std::sin(double(angle));
  const 卍Vector cross = f3_cross(axis, v);
  const double dot = f3_dot(axis, v);
  卍Vector out;
  for (int i = 0; i < 3; ++i) out[i] = float(c * v[i] + s * cross[i] + (1 - c) * dot * axis[i]);
  return out;
}

// --- f3_rotate ---------------------------------------------------------------

TEST(AxisAngle, ZeroAngleLeavesVectorAndAxisBitForBit) {
  卍Vector v(1e-30f, -0.0f, 3.3f), axis(0, 0, 7);
  const 卍Vector v_before = v, axis_before = axis;
  f3_rotate(0.0f, axis, v, true);
  EXPECT_TRUE(same_bits(v, v_before));
  EXPECT_TRUE(same_bits(axis, axis_before)) << "nothing happens, not even the axis normalisation";
  f3_rotate(-0.0f, axis, v, true);
  EXPECT_TRUE(same_bits(v, v_before));
}

TEST(AxisAngle, NegativeAngleIsThePositiveAngleAboutTheNegatedAxis) {
  const 卍Vector start(0.3f, -1.2f, 2.0f);
  for (float angle : {0.001f, 0.0015f, 0.7f, 1.0f, 2.5f, 3.9f, 5.0f}) {
    卍Vector a = start, b = start;
    卍Vector axis(1, 2, -0.5f), negated = -axis;
    f3_rotate(-angle, axis, a, true);
    f3_rotate(angle, negated, b, true);
    EXPECT_TRUE(same_bits(a, b)) << angle;
  }
}

TEST(AxisAngle, RotatesRightHandedWithTableAccuracy) {
  Capture capture;
  struct Case {
    const char* name;
    float angle;
    卍Vector axis;
    卍Vector v;
  };
  const Case cases[] = {
      {"quarter turn about Z", kPi / 2, {0, 0, 1}, {1, 0, 0}},
      {"quarter turn back", -kPi / 2, {0, 0, 1}, {0, 1, 0}},
      {"about X", 1.0f, {1, 0, 0}, {0, 1, 1}},
      {"about a slanted axis", 2.2f, {1, 1, 1}, {0.5f, -2, 0.25f}},
      {"half turn", kPi, {0, 1, 0}, {1, 0, 0}},
      {"beyond the tables", 4.5f, {0, 1, 1}, {1, 2, 3}},
      {"small", 0.01f, {0, 0, 1}, {1, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    卍Vector v = c.v, axis = c.axis;
    f3_rotate(c.angle, axis, v, true);
    expect_near(v, rotated_exactly(c.angle, c.axis, c.v), 2e-3f * f3_length(c.v));
    EXPECT_NEAR(f3_length(v), f3_length(c.v), 2e-3f * f3_length(c.v));
    expect_near(axis, [&] { 卍Vector n = c.axis; f3_normalize(n); return n; }(), 1e-6f);
  }
  // The X axis turned about Z by a positive angle moves towards +Y.
  卍Vector x(1, 0, 0), z(0, 0, 1);
  f3_rotate(0.5f, z, x, false);
  EXPECT_GT(x.y, 0);
  EXPECT_EQ(capture.out(), "");
}

TEST(AxisAngle, UsesTheLookupTables) {
  // cos查(1.0) is the first entry of its bucket (0.539469), not cos(1).
  卍Vector v(1, 0, 0), z(0, 0, 1);
  f3_rotate(1.0f, z, v, false);
  EXPECT_FLOAT_EQ(v.x, cos查(1.0f));
  EXPECT_FLOAT_EQ(v.y, sin查(1.0f));
  EXPECT_FLOAT_EQ(v.x, 0.539469f);
}

TEST(AxisAngle, AxisIsNormalisedInPlaceOnlyWhenAsked) {
  卍Vector v(1, 0, 0), axis(0, 0, 2);
  f3_rotate(kPi / 2, axis, v, false);
  EXPECT_EQ(axis, 卍Vector(0, 0, 2));
  EXPECT_GT(f3_length(v), 1.5f) << "an unnormalised axis is used as it is";

  v = {1, 0, 0};
  f3_rotate(kPi / 2, axis, v, true);
  EXPECT_EQ(axis, 卍Vector(0, 0, 1));
  expect_near(v, {0, 1, 0}, 1e-3f);
}

TEST(AxisAngle, CopyingFormAndViews) {
  const 卍Vector v(1, 2, 3);
  卍Vector axis(0, 1, 0);
  const 卍Vector copy = f3_rotated(0.8f, axis, v, true);
  EXPECT_EQ(v, 卍Vector(1, 2, 3));
  卍Vector in_place = v;
  f3_rotate(0.8f, axis, in_place, true);
  EXPECT_TRUE(same_bits(copy, in_place));

  卍Matrix4 m;
  m.row(2) = v;
  f3_rotate(0.8f, axis, m.row(2), true);
  EXPECT_EQ(m.row(2), in_place);
  m.row(1) = 卍Vector(0, 5, 0);  // a view as the axis
  m.row(0) = v;
  f3_rotate(0.8f, m.row(1), m.row(0), true);
  EXPECT_EQ(m.row(0), in_place);
  EXPECT_EQ(m.row(1), 卍Vector(0, 1, 0));
}

TEST(AxisAngle, RunawayResultPrintsItsTerms) {
  Capture capture;
  卍Vector v(200000, 0, 0), axis(1, 0, 0);
  f3_rotate(0.5f, axis, v, false);
  EXPECT_EQ(v.x, 200000);
  const std::string& out = capture.out();
  EXPECT_EQ(out.rfind("★★ α ㄥ旋角=0.500000,cos查(ㄥ旋角)=", 0), 0u) << out;
  EXPECT_NE(out.find(",Φ_=[1.000000,0.000000,0.000000] ,乛__=[200000.000000,0.000000,0.000000]  f3cos=["),
            std::string::npos)
      << out;
  EXPECT_EQ(out.back(), '\n');
}

TEST(AxisAngle, MatrixRowsTurnAndTranslationStays) {
  卍Matrix4 m;
  m.row(3) = 卍Vector(4, 5, 6);
  卍Vector axis(0, 0, 3);
  m3_rotate(kPi / 2, axis, m, true);
  EXPECT_EQ(axis, 卍Vector(0, 0, 1));
  expect_near(m.row(0), {0, 1, 0}, 1e-3f);
  expect_near(m.row(1), {-1, 0, 0}, 1e-3f);
  expect_near(m.row(2), {0, 0, 1}, 1e-6f);
  EXPECT_EQ(m.row(3), 卍Vector(4, 5, 6));

  const 卍Matrix4 before = m;
  m3_rotate(0, axis, m, true);
  EXPECT_EQ(std::memcmp(before.m, m.m, sizeof m.m), 0);
}

TEST(AxisAngle, HostAxisAngleMode) {
  const 卍Matrix3 turn = axis_angle_to_m3(卍Vector(0, 0, 2), kPi / 2);
  expect_near(m3_direction(turn, {1, 0, 0}), {0, 1, 0});
  const 卍Matrix3 none = axis_angle_to_m3(卍Vector(), 1.0f);
  expect_rows_near(none.m, 卍Matrix3().m, 0);
}

// --- Quaternions -------------------------------------------------------------

TEST(Quaternion, NormaliseReturnsTheLength) {
  struct Case {
    const char* name;
    卍Quat q;
    float length;
    卍Quat expected;
  };
  const Case cases[] = {
      {"zero becomes (0,1,0,0)", {0, 0, 0, 0}, 0, {0, 1, 0, 0}},
      {"w only", {2, 0, 0, 0}, 2, {1, 0, 0, 0}},
      {"3-4-5", {0, 3, 0, 4}, 5, {0, 0.6f, 0, 0.8f}},
      {"unit", {0.5f, 0.5f, 0.5f, 0.5f}, 1, {0.5f, 0.5f, 0.5f, 0.5f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    卍Quat q = c.q;
    EXPECT_FLOAT_EQ(工_q(q), c.length);
    EXPECT_FLOAT_EQ(q.w, c.expected.w);
    EXPECT_FLOAT_EQ(q.x, c.expected.x);
    EXPECT_FLOAT_EQ(q.y, c.expected.y);
    EXPECT_FLOAT_EQ(q.z, c.expected.z);
  }
}

TEST(Quaternion, ToMatrixInTheHostLayout) {
  const float h = std::sqrt(0.5f);
  expect_rows_near(quat_to_m4(卍Quat()).m, 卍Matrix4().m, 0);
  // A quarter turn about Z takes X to Y.
  const 卍Matrix4 turn = quat_to_m4(卍Quat(h, 0, 0, h));
  expect_near(m4_point(turn, {1, 0, 0}), {0, 1, 0}, 1e-6f);
  expect_near(m4_point(turn, {0, 1, 0}), {-1, 0, 0}, 1e-6f);
  EXPECT_EQ(turn.row(3), 卍Vector());
  EXPECT_EQ(turn[3][3], 1.0f);
  // Not normalised first: (0, 2, 0, 0) gives 1 − 2·4 on the Y diagonal.
  EXPECT_FLOAT_EQ(quat_to_m4(卍Quat(0, 2, 0, 0))[1][1], -7);
  // Agrees with the model host's own conversion.
  const 卍Quat q(0.7f, -0.1f, 0.5f, 0.3f);
  卍Quat unit = q;
  工_q(unit);
  float qf[4];
  unit.copy_to(qf);
  hostmodel::math::Mat3 expected;
  hostmodel::math::quat_to_mat3(expected, qf);
  expect_rows_near(卍Matrix3(quat_to_m4(unit).m).m, expected, 1e-6f);
}

TEST(Quaternion, LocationRotationScale) {
  const float h = std::sqrt(0.5f);
  const 卍Matrix4 m = loc_quat_size_to_m4({1, 2, 3}, 卍Quat(h, 0, 0, h), {2, 3, 4});
  // Scale first, then rotate, then move.
  expect_near(m4_point(m, {1, 0, 0}), {1, 4, 3}, 1e-6f);
  expect_near(m4_point(m, {0, 1, 0}), {-2, 2, 3}, 1e-6f);
  expect_near(m4_point(m, {0, 0, 1}), {1, 2, 7}, 1e-6f);
  EXPECT_EQ(m[3][3], 1.0f);
}

TEST(Quaternion, FromMatrixEveryBranch) {
  const float h = std::sqrt(0.5f);
  struct Case {
    const char* name;
    卍Quat q;
  };
  const Case cases[] = {
      {"identity", {1, 0, 0, 0}},
      {"quarter turn about Z", {h, 0, 0, h}},
      {"general", {0.7f, -0.1f, 0.5f, 0.3f}},
      {"half turn about X (x largest)", {0, 1, 0, 0}},
      {"half turn about Y (y largest)", {0, 0, 1, 0}},
      {"half turn about Z (z largest)", {0, 0, 0, 1}},
      {"near half turn, mixed", {0.005f, 0.3f, -0.8f, 0.5f}},
      {"near half turn about X", {0.001f, -0.9f, 0.3f, 0.2f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    卍Quat q = c.q;
    工_q(q);
    // Scaled rows are normalised before the conversion.
    const 卍Matrix4 m = loc_quat_size_to_m4({5, 6, 7}, q, {2, 0.5f, 3});
    const 卍Quat back = m3_to_quat(m.m);
    const float sign = (back.w * q.w + back.x * q.x + back.y * q.y + back.z * q.z) < 0 ? -1.0f : 1.0f;
    EXPECT_NEAR(sign * back.w, q.w, 2e-6f);
    EXPECT_NEAR(sign * back.x, q.x, 2e-6f);
    EXPECT_NEAR(sign * back.y, q.y, 2e-6f);
    EXPECT_NEAR(sign * back.z, q.z, 2e-6f);
    EXPECT_NEAR(back.w * back.w + back.x * back.x + back.y * back.y + back.z * back.z, 1, 1e-6f);
    const 卍Quat from_three = m3_to_quat(卍Matrix3(m.m).m);
    EXPECT_EQ(from_three, back);
  }
}

// --- Euler -------------------------------------------------------------------

// Turns about single axes composed in the order's letter sequence, the first
// letter applied first.
卍Matrix3 composed(const 卍Vector& e, const char* letters) {
  卍Matrix3 m;
  for (const char* letter = letters; *letter; ++letter) {
    const int axis = *letter - 'X';
    卍Vector unit;
    unit[axis] = 1;
    m = m3_mul(axis_angle_to_m3(unit, e[axis]), m);
  }
  return m;
}

TEST(Euler, EveryOrderTurnsItsAxesInLetterOrder) {
  const char* letters[] = {"XYZ", "XYZ", "XZY", "YXZ", "YZX", "ZXY", "ZYX"};
  const 卍Vector e(0.3f, -0.7f, 1.1f);
  for (int order = 0; order <= 6; ++order) {
    SCOPED_TRACE("order " + std::to_string(order));
    const 卍Matrix3 m = eul_to_m3(e, order);
    expect_rows_near(m.m, composed(e, letters[order]).m, 1e-6f);
    expect_orthonormal(m);
    if (order >= 1) {
      // The model host's own Euler rotation agrees.
      const float angles[3] = {e.x, e.y, e.z};
      hostmodel::math::Mat3 host;
      hostmodel::math::euler_to_mat3(host, angles, order);
      expect_rows_near(m.m, host, 1e-6f);
    }
  }
}

TEST(Euler, OutOfRangeOrdersAreReported) {
  Capture capture;
  for (int order : {-1, 7}) {
    expect_rows_near(eul_to_m3({0.3f, 0.2f, 0.1f}, order).m, 卍Matrix3().m, 0);
    EXPECT_EQ(m_e2(卍Matrix4().m, order), 卍Vector());
  }
  ASSERT_EQ(capture.boxes().size(), 4u);
  EXPECT_NE(capture.boxes()[0].text.find("条件 : i顺序 >= 0 丶丶 i顺序 ＜二 6 "), std::string::npos)
      << capture.boxes()[0].text;
  EXPECT_NE(capture.boxes()[1].text.find("条件 : order >= 0 丶丶 order ＜二 6 "), std::string::npos)
      << capture.boxes()[1].text;
}

卍Matrix4 as_m4(const 卍Matrix3& m, const 卍Vector& scale = {1, 1, 1}) {
  卍Matrix4 out;
  m.copy_to_3x3_of(out.m);
  for (int i = 0; i < 3; ++i) out.row(i) *= scale[i];
  return out;
}

TEST(Euler, MatrixToEulerRoundTrips) {
  const 卍Vector angles[] = {{0.3f, -0.7f, 1.1f}, {-1.5f, 0.4f, 1.4f}, {0, 0, 0}, {1.2f, -1.3f, -0.2f}};
  for (int order = 0; order <= 6; ++order) {
    for (const 卍Vector& e : angles) {
      SCOPED_TRACE("order " + std::to_string(order));
      const 卍Matrix3 m = eul_to_m3(e, order);
      // Scaled rows are normalised first.
      const 卍Vector back = m_e2(as_m4(m, {2, 3, 0.5f}).m, order);
      expect_near(back, e, 2e-5f);
    }
  }
}

TEST(Euler, MatrixToEulerPrefersTheSmallerSolution) {
  // (3, 0.2, 3) and (3 − π, π − 0.2, 3 − π) give the same XYZ rotation.
  const 卍Vector e(3.0f, 0.2f, 3.0f);
  const 卍Vector back = m_e2(as_m4(eul_to_m3(e, 1)).m, 1);
  expect_near(back, {3.0f - kPi, kPi - 0.2f, 3.0f - kPi}, 2e-5f);
  expect_rows_near(eul_to_m3(back, 1).m, eul_to_m3(e, 1).m, 2e-6f);
}

TEST(Euler, NinetyDegreeMiddleAngleSetsTheThirdToZero) {
  for (int order = 1; order <= 6; ++order) {
    SCOPED_TRACE("order " + std::to_string(order));
    const EulerOrder& axes = *euler_order(order);
    卍Vector e;
    e[axes.i] = 0.4f;
    e[axes.j] = kPi / 2;
    e[axes.k] = 0.3f;
    const 卍Matrix3 m = eul_to_m3(e, order);
    ASSERT_LT(std::hypot(m[axes.i][axes.i], m[axes.i][axes.j]), 1.9073486e-6f);
    const 卍Vector back = m_e2(as_m4(m).m, order);
    EXPECT_EQ(back[axes.k], 0.0f);
    EXPECT_NEAR(std::fabs(back[axes.j]), kPi / 2, 1e-6f);
    expect_rows_near(eul_to_m3(back, order).m, m.m, 1e-6f);
  }
}

// --- Frames from axes ----------------------------------------------------------

TEST(Frame, BuildsOrthonormalFrames) {
  Capture capture;
  const 卍Vector y(0, 2, 0), z(0, 0, 3), t(1, 2, 3);
  {
    const 卍Matrix4 m = m4_from_axes(nullptr, &y, &z, &t, -1);
    expect_rows_near(卍Matrix3(m.m).m, 卍Matrix3().m, 0);
    EXPECT_EQ(m.row(3), t);
    EXPECT_EQ(m[3][3], 1.0f);
  }
  {
    // The solvers' call: Y a direction, Z a hint, order 2 corrects Z.
    const 卍Vector dir(1, 1, 0), hint(0.2f, 0, 1);
    const 卍Matrix3 m = m3_from_axes(nullptr, &dir, &hint, 2);
    expect_orthonormal(m);
    expect_near(m.row(1), {std::sqrt(0.5f), std::sqrt(0.5f), 0}, 1e-6f);
    EXPECT_GT(m[2][2], 0.9f);
  }
  {
    // Order −1 keeps the given Y and Z directions even when not perpendicular.
    const 卍Vector dir(0, 1, 0), hint(0, 1, 1);
    const 卍Matrix3 m = m3_from_axes(nullptr, &dir, &hint, -1);
    expect_near(m.row(1), {0, 1, 0}, 0);
    expect_near(m.row(2), {0, std::sqrt(0.5f), std::sqrt(0.5f)}, 1e-6f);
  }
  {
    // X given, Y the projection of a direction onto the plane across X.
    const 卍Vector x(0, -1, 0), dir(1, 1, 0);
    const 卍Matrix4 m = m4_from_axes(&x, &dir, nullptr, nullptr, 1);
    expect_orthonormal(卍Matrix3(m.m));
    expect_near(m.row(1), {1, 0, 0}, 1e-6f);
    EXPECT_EQ(m.row(3), 卍Vector());
  }
  {
    // All three given, order 0 rebuilds X.
    const 卍Vector x(5, 5, 5), dir(0, 1, 0), z(0, 0, 1);
    const 卍Matrix3 m = m3_from_axes(&x, &dir, &z, 0);
    expect_rows_near(m.m, 卍Matrix3().m, 0);
  }
  EXPECT_EQ(capture.out(), "");
}

TEST(Frame, ScaleMultipliesEveryAxis) {
  const 卍Vector y(0, 1, 0), z(0, 0, 1);
  for (const 卍Vector& scale : {卍Vector(2, 1, 3), 卍Vector(1, 2, 1), 卍Vector(0.5f, 4, 2)}) {
    const 卍Matrix3 m = m3_from_axes(nullptr, &y, &z, 2, &scale);
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(f3_length(m.row(i)), scale[i]);
  }
}

TEST(Frame, CollapsedCrossProductGivesTheIdentityAndNamesTheAxis) {
  struct Case {
    const char* name;
    const 卍Vector* x;
    const 卍Vector* y;
    const 卍Vector* z;
    int order;
    const char* line;
  };
  const 卍Vector up(0, 0, 1), up2(0, 0, 2), side(1, 0, 0), zero;
  const Case cases[] = {
      {"Y parallel to Z", nullptr, &up, &up2, -1, "!!! 两向量成一直线 X\n"},
      {"Y zero", nullptr, &zero, &up, 2, "!!! 两向量成一直线 X\n"},
      {"Z parallel to X", &up, nullptr, &up2, -1, "!!! 两向量成一直线 Y\n"},
      {"X parallel to Y", &up2, &up, nullptr, -1, "!!! 两向量成一直线 Z\n"},
      {"all given, Y parallel to Z, order 0", &side, &up, &up2, 0, "!!! 两向量成一直线 X\n"},
  };
  const 卍Vector t(7, 8, 9);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Capture capture;
    const 卍Matrix4 m = m4_from_axes(c.x, c.y, c.z, &t, c.order);
    EXPECT_TRUE(m4_is_identity(m)) << "identity, translation not applied";
    EXPECT_EQ(capture.out(), c.line);
    capture.clear();
    expect_rows_near(m3_from_axes(c.x, c.y, c.z, c.order).m, 卍Matrix3().m, 0);
    EXPECT_EQ(capture.out(), c.line);
  }
}

// --- Direction and roll --------------------------------------------------------

float wrapped(float angle) {
  while (angle > kPi) angle -= 2 * kPi;
  while (angle <= -kPi) angle += 2 * kPi;
  return angle;
}

卍Vector unit(卍Vector v) {
  f3_normalize(v);
  return v;
}

TEST(Roll, BoneMatrixIsARotationWithTheDirectionAsY) {
  Capture capture;
  struct Case {
    卍Vector n;
    bool compare_with_host;
  };
  const Case cases[] = {
      {unit({0, 1, 0}), true},
      {unit({1, 0, 0}), true},
      {unit({0.3f, -0.5f, 0.8f}), true},
      {unit({0, 0, -1}), true},
      {unit({-0.2f, -0.9f, 0.1f}), true},
      {unit({1e-3f, -1, 0}), true},
      {卍Vector(0, -1, 0), true},
      // Within 1e-5 of −Y with both x and z: the model host still uses the
      // closed form whose rows are not perpendicular there.
      {unit({2e-3f, -1, -1e-3f}), false},
      {unit({-1e-3f, -1, -2e-3f}), false},
  };
  for (const Case& c : cases) {
    const 卍Vector& n = c.n;
    for (float roll : {0.0f, 0.7f, -2.0f, kPi}) {
      SCOPED_TRACE(::testing::Message() << "n=(" << n.x << "," << n.y << "," << n.z << ") roll=" << roll);
      const 卍Matrix3 m = m3_from_vec_roll(n, roll);
      expect_near(m.row(1), n, 1e-6f);
      expect_orthonormal(m, 2e-5f);
      if (c.compare_with_host) {
        const float nf[3] = {n.x, n.y, n.z};
        hostmodel::math::Mat3 host;
        hostmodel::math::vec_roll_to_mat3(host, nf, roll);
        expect_rows_near(m.m, host, 2e-5f);
      }
    }
  }
  EXPECT_TRUE(capture.boxes().empty());
}

TEST(Roll, RollTurnsXAboutTheDirection) {
  const 卍Vector n = unit({0.3f, 0.5f, -0.8f});
  const 卍Matrix3 rest = m3_from_vec_roll(n, 0);
  for (float roll : {0.4f, -1.2f, 3.0f}) {
    const 卍Matrix3 rolled = m3_from_vec_roll(n, roll);
    // X turned right-handed about n by roll.
    expect_near(rolled.row(0), rotated_exactly(roll, n, rest.row(0)), 1e-5f);
  }
}

TEST(Roll, DirectionAndRollRoundTrip) {
  const 卍Vector directions[] = {unit({0, 1, 0}),          unit({0.3f, -0.5f, 0.8f}), unit({1, 0, 0}),
                                 unit({0, 0, 1}),          unit({-0.6f, 0.1f, -0.2f}), unit({0.05f, -1, 0.02f}),
                                 unit({1e-3f, -1, 0}),     unit({0, -1, 1e-3f}),      unit({-4e-4f, -1, 3e-4f}),
                                 卍Vector(0, -1, 0)};
  const float rolls[] = {-3.1f, -kPi / 2, -0.5f, 0.0f, 0.5f, 1.0f, 2.0f, 3.1f, kPi};
  for (const 卍Vector& n : directions) {
    for (float roll : rolls) {
      SCOPED_TRACE(::testing::Message() << "n=(" << n.x << "," << n.y << "," << n.z << ") roll=" << roll);
      卍Vector direction;
      float back = 99;
      m3_axis丶roll(m3_from_vec_roll(n, roll).m, &direction, back);
      expect_near(direction, n, 1e-6f);
      EXPECT_NEAR(wrapped(back - roll), 0, 1e-3f);
      EXPECT_GT(back, -kPi - 1e-6f);
      EXPECT_LE(back, kPi + 1e-6f);
      EXPECT_EQ(m3_axis丶roll(m3_from_vec_roll(n, roll).m), back);
    }
  }
}

TEST(Roll, DirectionNotNormalisedIsReported) {
  Capture capture;
  m3_from_vec_roll({0, 0, 0}, 1);
  m3_from_vec_roll({0, 1.00005f, 0}, 1);
  EXPECT_TRUE(capture.boxes().empty()) << "zero and nearly unit are accepted";
  const 卍Matrix3 m = m3_from_vec_roll({0, 2, 0}, 0);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("函数 : m3_from_vec_roll "), std::string::npos);
  EXPECT_EQ(m.row(1), 卍Vector(0, 2, 0)) << "still built from the direction as given";
}

}  // namespace
}  // namespace lumo
