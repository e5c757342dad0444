// 3×3 and 4×4 matrices in the host's row layout, and their inverses.
//
// Row i (0, 1, 2) is the i-th basis axis X, Y, Z; row 3 of a 4×4 matrix is the
// translation.  A point p transforms as
//   p′[j] = p[0]·m[0][j] + p[1]·m[1][j] + p[2]·m[2][j] + m[3][j].
// For a bone matrix, row 1 (Y) is the bone's direction from head to tail.
//
// Every operation takes its matrices as Rows4 / Rows3 (float[4][4] /
// float[3][3]), so a value (卍Matrix4, 卍Matrix3), a host matrix inside a host
// structure (an object's obmat, a channel's pose_mat, a bone's arm_mat) and a
// host matrix reference held by a record (pass *ref) are all accepted alike.
#pragma once

#include "math/vector.h"
#include "math/vector_view.h"

namespace lumo {

using Rows4 = float[4][4];
using Rows3 = float[3][3];

// 卍Matrix4: 4 rows of 4 floats; default-constructed it is the identity.
struct 卍Matrix4 {
  float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

  卍Matrix4() = default;
  explicit 卍Matrix4(const Rows4& rows);  // copies a host matrix

  float (&operator[](int i))[4] { return m[i]; }
  const float (&operator[](int i) const)[4] { return m[i]; }
  operator Rows4&() { return m; }
  operator const Rows4&() const { return m; }

  // View of row i (0 X, 1 Y, 2 Z, 3 translation); writes go into this matrix.
  卍Vectorψ row(int i) { return 卍Vectorψ(m[i]); }
  卍Vector row(int i) const { return {m[i][0], m[i][1], m[i][2]}; }
  void copy_to(Rows4& out) const;
};

// 卍Matrix3: 3 rows of 3 floats; default-constructed it is the identity too.
struct 卍Matrix3 {
  float m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

  卍Matrix3() = default;
  explicit 卍Matrix3(const Rows3& rows);
  // The 3×3 part of a 4×4 matrix.
  explicit 卍Matrix3(const Rows4& rows);

  float (&operator[](int i))[3] { return m[i]; }
  const float (&operator[](int i) const)[3] { return m[i]; }
  operator Rows3&() { return m; }
  operator const Rows3&() const { return m; }

  卍Vectorψ row(int i) { return 卍Vectorψ(m[i]); }
  卍Vector row(int i) const { return {m[i][0], m[i][1], m[i][2]}; }
  // Writes into the 3×3 part of a 4×4 matrix; its last row and column stay.
  void copy_to_3x3_of(Rows4& out) const;
};

// Exactly the identity (every entry compared exactly).
bool m4_is_identity(const Rows4& m);

// Inverse by Gauss–Jordan elimination with partial pivoting (the pivot of each
// column is the entry of largest absolute value at or below the diagonal).
// A pivot of exactly 0 ends the elimination: false, and `out` is the identity.
// `out` may be the input.
bool m4_invert(const Rows4& m, Rows4& out);
// Inverse as the adjugate divided by the determinant.  A determinant of
// exactly 0: false, and `out` holds the adjugate undivided.  `out` may be the input.
bool m3_invert(const Rows3& m, Rows3& out);

}  // namespace lumo
