#include "math/rotation.h"

#include <cmath>

#include "base/console.h"
#include "math/trig_tables.h"

namespace lumo {

void f3_rotate(float angle, 卍Vector& axis, 卍Vector& v, bool normalize_axis) {
  if (angle == 0) return;
  if (normalize_axis) f3_normalize(axis, false);
  const 卍Vector a = angle > 0 ? axis : -axis;
  const float phi = angle > 0 ? angle : -angle;
  const float c = cos查(phi);
  const float s = sin查(phi);
  const 卍Vector cos_term = c * v;
  const 卍Vector sin_term = s * f3_cross(a, v);
  const 卍Vector dot_term = ((1 - c) * f3_dot(a, v)) * a;
  v = cos_term + sin_term + dot_term;
  if (v.x > 100000) {
    con_printf("★★ α ㄥ旋角=%f,cos查(ㄥ旋角)=%f,sin查(ㄥ旋角)=%f,Φ_=[%f,%f,%f] ,乛__=[%f,%f,%f]  ", double(angle),
               double(c), double(s), double(a.x), double(a.y), double(a.z), double(v.x), double(v.y), double(v.z));
    con_printf("f3cos=[%f,%f,%f],f3sin=[%f,%f,%f],f3dot=[%f,%f,%f]\n", double(cos_term.x), double(cos_term.y),
               double(cos_term.z), double(sin_term.x), double(sin_term.y), double(sin_term.z), double(dot_term.x),
               double(dot_term.y), double(dot_term.z));
  }
}

void f3_rotate(float angle, 卍Vector& axis, 卍Vectorψ v, bool normalize_axis) {
  if (angle == 0) return;
  卍Vector value = v;
  f3_rotate(angle, axis, value, normalize_axis);
  v = value;
}

void f3_rotate(float angle, 卍Vectorψ axis, 卍Vectorψ v, bool normalize_axis) {
  if (angle == 0) return;
  卍Vector a = axis, value = v;
  f3_rotate(angle, a, value, normalize_axis);
  axis = a;
  v = value;
}

void f3_rotate(float angle, 卍Vectorψ axis, 卍Vector& v, bool normalize_axis) {
  if (angle == 0) return;
  卍Vector a = axis;
  f3_rotate(angle, a, v, normalize_axis);
  axis = a;
}

卍Vector f3_rotated(float angle, 卍Vector& axis, const 卍Vector& v, bool normalize_axis) {
  卍Vector rotated = v;
  f3_rotate(angle, axis, rotated, normalize_axis);
  return rotated;
}

卍Vector f3_rotated(float angle, 卍Vectorψ axis, const 卍Vector& v, bool normalize_axis) {
  卍Vector rotated = v;
  f3_rotate(angle, axis, rotated, normalize_axis);
  return rotated;
}

void m3_rotate(float angle, 卍Vector& axis, Rows4& m, bool normalize_axis) {
  if (angle == 0) return;
  if (normalize_axis) f3_normalize(axis, false);
  for (int i = 0; i < 3; ++i) f3_rotate(angle, axis, 卍Vectorψ(m[i]), false);
}

卍Matrix3 axis_angle_to_m3(const 卍Vector& axis, float angle) {
  卍Vector n = axis;
  f3_normalize(n, false);
  卍Matrix3 m;
  if (f3_is_zero(n)) return m;
  const double c = std::cos(double(angle)), s = std::sin(double(angle)), g = 1 - c;
  const double x = n.x, y = n.y, z = n.z;
  m[0][0] = float(x * x * g + c);
  m[0][1] = float(x * y * g + z * s);
  m[0][2] = float(x * z * g - y * s);
  m[1][0] = float(x * y * g - z * s);
  m[1][1] = float(y * y * g + c);
  m[1][2] = float(y * z * g + x * s);
  m[2][0] = float(x * z * g + y * s);
  m[2][1] = float(y * z * g - x * s);
  m[2][2] = float(z * z * g + c);
  return m;
}

}  // namespace lumo
