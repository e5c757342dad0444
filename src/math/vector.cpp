#include "math/vector.h"

#include <cmath>

#include "base/console.h"
#include "base/report.h"

namespace lumo {

float f3_length(const 卍Vector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

float f3_distance(const 卍Vector& a, const 卍Vector& b) { return f3_length(a - b); }

bool f3_cross_safe(const 卍Vector& a, const 卍Vector& b, 卍Vector& out) {
  if (f3_is_zero(a) || f3_is_zero(b)) return false;
  out = f3_cross(a, b);
  return true;
}

void f3_normalize(卍Vector& v, bool skip_if_zero) {
  if (skip_if_zero && f3_is_zero(v)) return;
  const float length = f3_length(v);
  if (length < 1e-6f) {
    v = {};
    return;
  }
  const float inverse = 1.0f / length;
  if (inverse == 1.0f) return;
  v *= inverse;
}

float f3_f3工(const 卍Vector& v, 卍Vector& out) {
  const float length = f3_length(v);
  if (length == 0) {
    // 1/0 would turn the zero components into NaN.
    out = {};
    return 0;
  }
  const float inverse = 1.0f / length;
  out = inverse == 1.0f ? v : v * inverse;
  return inverse;
}

卍Vector f3_divide(const 卍Vector& v, float f) {
  if (f == 0) {
    con_printf("★★ Ξ(v,f) :f= 0 \n");
    return {};
  }
  return {v.x / f, v.y / f, v.z / f};
}

float f3_angle(卍Vector& v, 卍Vector& w, bool normalize_v, bool normalize_w) {
  if (v == w) {
    con_printf("★Λ v 二二 v1\n");
    return 0;
  }
  if (normalize_v) f3_normalize(v, false);
  if (normalize_w) f3_normalize(w, false);
  float dot = f3_dot(v, w);
  if (dot > 1.0f) dot = 1.0f;
  if (dot < -1.0f) dot = -1.0f;
  return std::acos(dot);
}

bool f3_grow_to(float min, 卍Vector& v) {
  const float length = f3_length(v);
  if (!(length < min) || length == 0) return false;
  v *= min / length;
  return true;
}

bool f3_shrink_to(float max, 卍Vector& v) {
  const float length = f3_length(v);
  if (!(length > max) || length == 0) return false;
  v *= max / length;
  return true;
}

int i在XYZ(const 卍Vector& v, 卍Vector* axis) {
  if (f3_is_zero(v)) {
    LUMO_REPORT("__", "卩〇(乛)", "i在XYZ");
    return 0;
  }
  const float ax = std::fabs(v.x), ay = std::fabs(v.y), az = std::fabs(v.z);
  int index = 255;
  if (ax > ay && az < ax) {
    index = 0;
  } else if (ay > ax && ay > az) {
    index = 1;
  } else if (az > ax && az > ay) {
    index = 2;
  }
  if (index != 255 && axis) {
    *axis = {};
    (*axis)[index] = 1.0f;
  }
  return index;
}

}  // namespace lumo
