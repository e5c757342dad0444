// Matrices: the product convention over every operand kind, point
// transforms, aliasing, and the two inverses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/host_types.h"
#include "math/matrix.h"
#include "math/products.h"
#include "math/vector.h"
#include "math/vector_view.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;

卍Matrix4 matrix4(std::initializer_list<std::initializer_list<float>> rows) {
  卍Matrix4 m;
  int i = 0;
  for (auto row : rows) {
    int j = 0;
    for (float value : row) m[i][j++] = value;
    ++i;
  }
  return m;
}

void expect_matrix_near(const Rows4& actual, const Rows4& expected, float tolerance = 1e-5f) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(actual[i][j], expected[i][j], tolerance) << "[" << i << "][" << j << "]";
}

void expect_near(const 卍Vector& actual, const 卍Vector& expected, float tolerance = 1e-5f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

bool same_bits(const Rows4& a, const Rows4& b) { return std::memcmp(a, b, sizeof(Rows4)) == 0; }

// A quarter turn about Z (X goes to Y), a translation, a non-uniform scale
// and a general affine matrix.
const 卍Matrix4 kTurnZ = matrix4({{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
const 卍Matrix4 kMove = matrix4({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {5, 6, 7, 1}});
const 卍Matrix4 kScale = matrix4({{2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 0.5f, 0}, {0, 0, 0, 1}});
const 卍Matrix4 kAffine = matrix4({{0.8f, 0.1f, -0.3f, 0}, {0.2f, 1.1f, 0.4f, 0}, {-0.5f, 0.3f, 0.9f, 0}, {1, -2, 3, 1}});

TEST(MatrixProducts, PointTransformUsesRowsAndTranslation) {
  EXPECT_EQ(m4_point(kTurnZ, 卍Vector(1, 0, 0)), 卍Vector(0, 1, 0));
  EXPECT_EQ(m4_point(kMove, 卍Vector(1, 2, 3)), 卍Vector(6, 8, 10));
  EXPECT_EQ(m4_direction(kMove, 卍Vector(1, 2, 3)), 卍Vector(1, 2, 3)) << "directions ignore the translation";
  // p′[j] = p[0]·m[0][j] + p[1]·m[1][j] + p[2]·m[2][j] + m[3][j]
  const 卍Vector p(1, 2, 3);
  expect_near(m4_point(kAffine, p), {0.8f + 0.4f - 1.5f + 1, 0.1f + 2.2f + 0.9f - 2, -0.3f + 0.8f + 2.7f + 3});
  EXPECT_EQ(m3_direction(卍Matrix3(kAffine.m).m, p), m4_direction(kAffine, p));
}

TEST(MatrixProducts, ProductAppliesTheSecondOperandFirst) {
  // Turn, then move: (Move × Turn)·p = Move·(Turn·p).
  EXPECT_EQ(m4_point(m4_mul(kMove, kTurnZ), 卍Vector(1, 0, 0)), 卍Vector(5, 7, 7));
  EXPECT_EQ(m4_point(m4_mul(kTurnZ, kMove), 卍Vector(1, 0, 0)), 卍Vector(-6, 6, 7));

  const 卍Matrix4 pairs[][2] = {{kAffine, kScale}, {kScale, kAffine}, {kAffine, kMove}, {kTurnZ, kAffine}};
  for (const auto& pair : pairs) {
    const 卍Matrix4 product = m4_mul(pair[0], pair[1]);
    for (const 卍Vector& p : {卍Vector(1, 2, 3), 卍Vector(-0.5f, 4, 0.25f)})
      expect_near(m4_point(product, p), m4_point(pair[0], m4_point(pair[1], p)));
  }
  // The entries, as written: (A × B)[i][j] = Σk B[i][k]·A[k][j].
  const 卍Matrix4 product = m4_mul(kAffine, kScale);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      EXPECT_FLOAT_EQ(product[i][j], kScale[i][0] * kAffine[0][j] + kScale[i][1] * kAffine[1][j] +
                                         kScale[i][2] * kAffine[2][j] + kScale[i][3] * kAffine[3][j]);
}

TEST(MatrixProducts, IdentityInEitherOrderGivesTheMatrixExactly) {
  const 卍Matrix4 identity;
  EXPECT_TRUE(same_bits(m4_mul(identity, kAffine), kAffine));
  EXPECT_TRUE(same_bits(m4_mul(kAffine, identity), kAffine));
  const 卍Matrix3 three(kAffine.m);
  EXPECT_TRUE(std::memcmp(m3_mul(卍Matrix3(), three).m, three.m, sizeof(Rows3)) == 0);
  EXPECT_TRUE(std::memcmp(m3_mul(three, 卍Matrix3()).m, three.m, sizeof(Rows3)) == 0);
}

TEST(MatrixProducts, ThreeByThreeFollowsTheSameConvention) {
  const 卍Matrix3 a(kAffine.m), b(kTurnZ.m);
  const 卍Matrix3 product = m3_mul(a, b);
  const 卍Vector v(1, -2, 0.5f);
  expect_near(m3_direction(product, v), m3_direction(a, m3_direction(b, v)));
}

TEST(MatrixProducts, OutputsMayAliasTheInputs) {
  const 卍Matrix4 expected = m4_mul(kAffine, kMove);
  卍Matrix4 a = kAffine, b = kMove;
  m4_mul(a, b, a);
  EXPECT_TRUE(same_bits(a, expected));
  a = kAffine;
  m4_mul(a, b, b);
  EXPECT_TRUE(same_bits(b, expected));
  a = kAffine;
  const 卍Matrix4 square = m4_mul(kAffine, kAffine);
  m4_mul(a, a, a);
  EXPECT_TRUE(same_bits(a, square));

  卍Matrix3 m(kAffine.m);
  const 卍Matrix3 m_square = m3_mul(m, m);
  m3_mul(m, m, m);
  EXPECT_EQ(std::memcmp(m.m, m_square.m, sizeof(Rows3)), 0);

  // A point written into the view of the very row it reads.
  卍Matrix4 holder = kAffine;
  const 卍Vector moved = m4_point(kMove, holder.row(3));
  m4_point(kMove, holder.row(3), holder.row(3));
  EXPECT_EQ(holder.row(3), moved);
}

TEST(MatrixProducts, HostMatricesReferencesAndOutputs) {
  // Operand kinds: a host matrix inside a host structure, a record's
  // reference to one, values; outputs into a host matrix, a vector, a view
  // and a three-float host field.
  bPoseChannel channel{};
  Bone bone{};
  kAffine.copy_to(bone.arm_mat);
  kMove.copy_to(channel.pose_mat);
  float (*pose_ref)[4][4] = &channel.pose_mat;

  const 卍Matrix4 expected = m4_mul(kMove, kAffine);
  EXPECT_TRUE(same_bits(m4_mul(*pose_ref, bone.arm_mat), expected));
  EXPECT_TRUE(same_bits(m4_mul(*pose_ref, kAffine), expected));
  EXPECT_TRUE(same_bits(m4_mul(kMove, bone.arm_mat), expected));

  m4_mul(kTurnZ, kScale, *pose_ref);  // the write-back into a pose matrix
  EXPECT_TRUE(same_bits(channel.pose_mat, m4_mul(kTurnZ, kScale)));

  const 卍Vector p(1, 2, 3), expected_point = m4_point(kAffine, p);
  卍Vector out;
  m4_point(bone.arm_mat, p, out);
  EXPECT_EQ(out, expected_point);
  m4_point(kAffine, p, channel.pose_head);
  EXPECT_EQ(卍Vector(channel.pose_head), expected_point);
  卍Matrix4 record;
  m4_point(kAffine, p, record.row(3));
  EXPECT_EQ(record.row(3), expected_point);
  EXPECT_EQ(record[3][3], 1.0f);
  EXPECT_EQ(m4_point(&bone.arm_mat, p), expected_point);
  EXPECT_EQ(m4_point(static_cast<const Rows4*>(nullptr), p), p) << "no object: the identity";
}

TEST(MatrixProducts, InPlacePointTransform) {
  Capture capture;
  float head[3] = {1, 2, 3};
  EXPECT_TRUE(＠二(kMove, head));
  EXPECT_EQ(卍Vector(head), 卍Vector(6, 8, 10));
  EXPECT_TRUE(capture.boxes().empty());

  EXPECT_FALSE(＠二(kMove, nullptr));
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("函数 : ＠二 "), std::string::npos) << capture.boxes()[0].text;
}

TEST(MatrixInverse, FourByFour) {
  struct Case {
    const char* name;
    卍Matrix4 m;
  };
  // Zeros on the diagonal need the row swaps of partial pivoting.
  const 卍Matrix4 permuted = matrix4({{0, 0, 2, 0}, {1, 0, 0, 0}, {0, 3, 0, 0}, {4, 5, 6, 1}});
  const Case cases[] = {
      {"identity", 卍Matrix4()},
      {"turn", kTurnZ},
      {"move", kMove},
      {"scale", kScale},
      {"affine", kAffine},
      {"permuted axes", permuted},
      {"product", m4_mul(kAffine, m4_mul(kMove, kTurnZ))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    卍Matrix4 inverse = kScale;  // overwritten
    ASSERT_TRUE(m4_invert(c.m, inverse));
    expect_matrix_near(m4_mul(c.m, inverse), 卍Matrix4());
    expect_matrix_near(m4_mul(inverse, c.m), 卍Matrix4());
    卍Matrix4 in_place = c.m;
    ASSERT_TRUE(m4_invert(in_place, in_place));
    EXPECT_TRUE(same_bits(in_place, inverse));
  }
}

TEST(MatrixInverse, SingularFourByFourGivesFalseAndTheIdentity) {
  const 卍Matrix4 flat = matrix4({{1, 2, 3, 0}, {2, 4, 6, 0}, {0, 0, 1, 0}, {1, 1, 1, 1}});
  卍Matrix4 out = kAffine;
  EXPECT_FALSE(m4_invert(flat, out));
  EXPECT_TRUE(m4_is_identity(out));
  卍Matrix4 zero = matrix4({{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
  EXPECT_FALSE(m4_invert(zero, zero));
  EXPECT_TRUE(m4_is_identity(zero));
}

TEST(MatrixInverse, ThreeByThree) {
  const 卍Matrix3 m(kAffine.m);
  卍Matrix3 inverse;
  ASSERT_TRUE(m3_invert(m, inverse));
  const 卍Matrix3 product = m3_mul(m, inverse);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(product[i][j], i == j ? 1 : 0, 1e-5f);

  // Singular: false, and the adjugate undivided.
  卍Matrix3 flat;
  const float rows[3][3] = {{1, 2, 3}, {2, 4, 6}, {0, 0, 1}};
  std::memcpy(flat.m, rows, sizeof rows);
  卍Matrix3 adjugate;
  EXPECT_FALSE(m3_invert(flat, adjugate));
  const float expected[3][3] = {{4, -2, 0}, {-2, 1, 0}, {0, 0, 0}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(adjugate[i][j], expected[i][j]) << i << j;
}

TEST(Matrix, IdentityTestIsExact) {
  EXPECT_TRUE(m4_is_identity(卍Matrix4()));
  卍Matrix4 almost;
  almost[3][1] = 1e-30f;
  EXPECT_FALSE(m4_is_identity(almost));
  almost = 卍Matrix4();
  almost[2][2] = 1.0000001f;
  EXPECT_FALSE(m4_is_identity(almost));
}

}  // namespace
}  // namespace lumo
