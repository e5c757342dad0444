#include "math/quaternion.h"

#include <cmath>

namespace lumo {

float 工_q(卍Quat& q) {
  const float length = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
  if (length != 0) {
    const float inverse = 1.0f / length;
    q.w *= inverse, q.x *= inverse, q.y *= inverse, q.z *= inverse;
  } else {
    q = {0, 1, 0, 0};
  }
  return length;
}

卍Matrix4 quat_to_m4(const 卍Quat& q) {
  constexpr double kSqrt2 = 1.4142135623730951;
  const double a = kSqrt2 * q.w, b = kSqrt2 * q.x, c = kSqrt2 * q.y, d = kSqrt2 * q.z;
  const double bb = b * b, cc = c * c, dd = d * d;
  卍Matrix4 m;
  m[0][0] = float(1.0 - cc - dd);
  m[0][1] = float(a * d + b * c);
  m[0][2] = float(b * d - a * c);
  m[1][0] = float(b * c - a * d);
  m[1][1] = float(1.0 - bb - dd);
  m[1][2] = float(a * b + c * d);
  m[2][0] = float(a * c + b * d);
  m[2][1] = float(c * d - a * b);
  m[2][2] = float(1.0 - bb - cc);
  return m;
}

卍Matrix4 loc_quat_size_to_m4(const 卍Vector& location, const 卍Quat& q, const 卍Vector& scale) {
  卍Matrix4 m = quat_to_m4(q);
  for (int i = 0; i < 3; ++i) {
    m[0][i] *= scale.x;
    m[1][i] *= scale.y;
    m[2][i] *= scale.z;
    m[3][i] = location[i];
  }
  return m;
}

卍Quat m3_to_quat(const Rows4& m) { return m3_to_quat(卍Matrix3(m).m); }

卍Quat m3_to_quat(const Rows3& rows) {
  卍Matrix3 m(rows);
  for (int i = 0; i < 3; ++i) f3_normalize(m.row(i));
  卍Quat q;
  const double tr = 0.25 * (1.0 + double(m[0][0]) + double(m[1][1]) + double(m[2][2]));
  if (tr > double(0.0001f)) {
    const double w = std::sqrt(tr);
    const double f = 1.0 / (4.0 * w);
    q.w = float(w);
    q.x = float((m[1][2] - m[2][1]) * f);
    q.y = float((m[2][0] - m[0][2]) * f);
    q.z = float((m[0][1] - m[1][0]) * f);
  } else if (m[0][0] > m[1][1] && m[0][0] > m[2][2]) {
    const float s = 2.0f * std::sqrt(1.0f + m[0][0] - m[1][1] - m[2][2]);
    q.x = 0.25f * s;
    q.w = (m[1][2] - m[2][1]) / s;
    q.y = (m[1][0] + m[0][1]) / s;
    q.z = (m[2][0] + m[0][2]) / s;
  } else if (m[1][1] > m[2][2]) {
    const float s = 2.0f * std::sqrt(1.0f + m[1][1] - m[0][0] - m[2][2]);
    q.y = 0.25f * s;
    q.w = (m[2][0] - m[0][2]) / s;
    q.x = (m[1][0] + m[0][1]) / s;
    q.z = (m[2][1] + m[1][2]) / s;
  } else {
    const float s = 2.0f * std::sqrt(1.0f + m[2][2] - m[0][0] - m[1][1]);
    q.z = 0.25f * s;
    q.w = (m[0][1] - m[1][0]) / s;
    q.x = (m[2][0] + m[0][2]) / s;
    q.y = (m[2][1] + m[1][2]) / s;
  }
  工_q(q);
  return q;
}

}  // namespace lumo
