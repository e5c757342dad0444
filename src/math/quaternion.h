// Quaternions (w, x, y, z, as the host stores them) and their conversions to
// and from rotation matrices in the host's row layout.
#pragma once

#include "math/matrix.h"
#include "math/vector.h"

namespace lumo {

// 卍Quat: four floats, w first.  Default-constructed it is the identity.
struct 卍Quat {
  float w = 1, x = 0, y = 0, z = 0;

  constexpr 卍Quat() = default;
  constexpr 卍Quat(float w_, float x_, float y_, float z_) : w(w_), x(x_), y(y_), z(z_) {}
  // Reads a host quaternion field.
  constexpr 卍Quat(const float (&q)[4]) : w(q[0]), x(q[1]), y(q[2]), z(q[3]) {}
  void copy_to(float (&out)[4]) const { out[0] = w, out[1] = x, out[2] = y, out[3] = z; }
};
static_assert(sizeof(卍Quat) == 16);

inline bool operator==(const 卍Quat& a, const 卍Quat& b) {
  return a.w == b.w && a.x == b.x && a.y == b.y && a.z == b.z;
}

// Normalises q in place and returns its length before.  A zero quaternion
// becomes (w, x, y, z) = (0, 1, 0, 0).  Exported as 工_q.
float 工_q(卍Quat& q);

// Rotation matrix of q, computed in double; q is not normalised first.
// Translation row (0, 0, 0, 1).
卍Matrix4 quat_to_m4(const 卍Quat& q);
// Rows 0, 1, 2: the rotation rows of q times scale x, y, z; row 3: (location, 1).
卍Matrix4 loc_quat_size_to_m4(const 卍Vector& location, const 卍Quat& q, const 卍Vector& scale);
// Rotation of a matrix as a unit quaternion: its rows are normalised first.
卍Quat m3_to_quat(const Rows3& m);
卍Quat m3_to_quat(const Rows4& m);  // its 3×3 part

}  // namespace lumo
