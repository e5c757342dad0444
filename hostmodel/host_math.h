// The model host's own matrix arithmetic, written independently of the
// library's math layer so that tests compare two implementations.
//
// Row-vector convention of the host: p' = p · M, rows X, Y, Z, translation.
// mul(A, B) is the plain matrix product A·B, which applies A first.
#pragma once

#include <cmath>

namespace hostmodel::math {

using Mat4 = float[4][4];
using Mat3 = float[3][3];

inline void identity(Mat4 m) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) m[i][j] = i == j ? 1.0f : 0.0f;
}

inline void copy(Mat4 out, const Mat4 in) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) out[i][j] = in[i][j];
}

// out = a · b (out may alias either).
inline void mul(Mat4 out, const Mat4 a, const Mat4 b) {
  double r[4][4];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += double(a[i][k]) * double(b[k][j]);
      r[i][j] = sum;
    }
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) out[i][j] = float(r[i][j]);
}

inline void mul3(Mat3 out, const Mat3 a, const Mat3 b) {
  double r[3][3];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double sum = 0;
      for (int k = 0; k < 3; ++k) sum += double(a[i][k]) * double(b[k][j]);
      r[i][j] = sum;
    }
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[i][j] = float(r[i][j]);
}

// Inverse of an affine transform (3×3 part invertible); false when singular.
inline bool invert_affine(Mat4 out, const Mat4 m) {
  const double a = m[0][0], b = m[0][1], c = m[0][2];
  const double d = m[1][0], e = m[1][1], f = m[1][2];
  const double g = m[2][0], h = m[2][1], k = m[2][2];
  const double det = a * (e * k - f * h) - b * (d * k - f * g) + c * (d * h - e * g);
  if (det == 0) return false;
  double inv[3][3] = {{(e * k - f * h) / det, (c * h - b * k) / det, (b * f - c * e) / det},
                      {(f * g - d * k) / det, (a * k - c * g) / det, (c * d - a * f) / det},
                      {(d * h - e * g) / det, (b * g - a * h) / det, (a * e - b * d) / det}};
  const double t[3] = {m[3][0], m[3][1], m[3][2]};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) out[i][j] = float(inv[i][j]);
    out[i][3] = 0;
  }
  for (int j = 0; j < 3; ++j) out[3][j] = float(-(t[0] * inv[0][j] + t[1] * inv[1][j] + t[2] * inv[2][j]));
  out[3][3] = 1;
  return true;
}

// Rotation about one axis (0 X, 1 Y, 2 Z) by angle, as a row-vector matrix:
// the other two axes turn right-handed about it.
inline void axis_rotation(Mat3 out, int axis, double angle) {
  const float c = float(std::cos(angle)), s = float(std::sin(angle));
  const int u = (axis + 1) % 3, v = (axis + 2) % 3;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[i][j] = i == j ? 1.0f : 0.0f;
  out[u][u] = c;
  out[u][v] = s;
  out[v][u] = -s;
  out[v][v] = c;
}

// Euler rotation for the host's rotation modes 1..6 (XYZ, XZY, YXZ, YZX, ZXY,
// ZYX): the axes turn in the order their letters are written.
inline void euler_to_mat3(Mat3 out, const float euler[3], int mode) {
  static const int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  const int* order = kOrders[(mode >= 1 && mode <= 6) ? mode - 1 : 0];
  Mat3 step;
  axis_rotation(out, order[0], euler[order[0]]);
  for (int n = 1; n < 3; ++n) {
    axis_rotation(step, order[n], euler[order[n]]);
    mul3(out, out, step);
  }
}

// Rotation of a unit quaternion (w, x, y, z) as a row-vector matrix.
inline void quat_to_mat3(Mat3 out, const float q[4]) {
  const double w = q[0], x = q[1], y = q[2], z = q[3];
  out[0][0] = float(1 - 2 * (y * y + z * z));
  out[0][1] = float(2 * (x * y + w * z));
  out[0][2] = float(2 * (x * z - w * y));
  out[1][0] = float(2 * (x * y - w * z));
  out[1][1] = float(1 - 2 * (x * x + z * z));
  out[1][2] = float(2 * (y * z + w * x));
  out[2][0] = float(2 * (x * z + w * y));
  out[2][1] = float(2 * (y * z - w * x));
  out[2][2] = float(1 - 2 * (x * x + y * y));
}

// Rotation by angle about an axis (normalised here; a zero axis is no turn).
inline void axis_angle_to_mat3(Mat3 out, const float axis[3], float angle) {
  const double length = std::sqrt(double(axis[0]) * axis[0] + double(axis[1]) * axis[1] + double(axis[2]) * axis[2]);
  const double half = angle / 2.0, s = length > 0 ? std::sin(half) / length : 0;
  const float q[4] = {float(length > 0 ? std::cos(half) : 1), float(axis[0] * s), float(axis[1] * s), float(axis[2] * s)};
  quat_to_mat3(out, q);
}

// The host's bone frame: Y along the unit direction n, X and Z turned by roll.
inline void vec_roll_to_mat3(Mat3 out, const float n[3], float roll) {
  const double x = n[0], y = n[1], z = n[2];
  const double t = 1 + y, d = x * x + z * z;
  double b[3][3];
  if (t > 1e-5 || (t > 1e-9 && (x != 0 || z != 0))) {
    // Close to −Y, 1 + y has lost its digits: 1 − √(1 − d) ≈ d/2 + d²/8.
    const double swing_t = t > 1e-5 ? t : d / 2 + d * d / 8;
    const double a = 1 - x * x / swing_t, bb = 1 - z * z / swing_t, e = -x * z / swing_t;
    const double rows[3][3] = {{a, -x, e}, {x, y, z}, {e, -z, bb}};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) b[i][j] = rows[i][j];
  } else {
    const double rows[3][3] = {{-1, 0, 0}, {0, -1, 0}, {0, 0, 1}};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) b[i][j] = rows[i][j];
  }
  const double c = std::cos(roll), s = std::sin(roll), g = 1 - c;
  const double r[3][3] = {{x * x * g + c, x * y * g + z * s, x * z * g - y * s},
                          {x * y * g - z * s, y * y * g + c, y * z * g + x * s},
                          {x * z * g + y * s, y * z * g - x * s, z * z * g + c}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[i][j] = float(b[i][0] * r[0][j] + b[i][1] * r[1][j] + b[i][2] * r[2][j]);
}

}  // namespace hostmodel::math
