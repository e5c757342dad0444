#include "math/vector_view.h"

namespace lumo {

void f3_normalize(卍Vectorψ v, bool skip_if_zero) {
  卍Vector value = v;
  f3_normalize(value, skip_if_zero);
  v = value;
}

float f3_angle(卍Vectorψ v, 卍Vectorψ w, bool normalize_v, bool normalize_w) {
  卍Vector a = v, b = w;
  const float angle = f3_angle(a, b, normalize_v, normalize_w);
  v = a;
  w = b;
  return angle;
}

float f3_angle(卍Vector& v, 卍Vectorψ w, bool normalize_v, bool normalize_w) {
  卍Vector b = w;
  const float angle = f3_angle(v, b, normalize_v, normalize_w);
  w = b;
  return angle;
}

float f3_angle(卍Vectorψ v, 卍Vector& w, bool normalize_v, bool normalize_w) {
  卍Vector a = v;
  const float angle = f3_angle(a, w, normalize_v, normalize_w);
  v = a;
  return angle;
}

bool f3_grow_to(float min, 卍Vectorψ v) {
  卍Vector value = v;
  const bool grown = f3_grow_to(min, value);
  v = value;
  return grown;
}

bool f3_shrink_to(float max, 卍Vectorψ v) {
  卍Vector value = v;
  const bool shrunk = f3_shrink_to(max, value);
  v = value;
  return shrunk;
}

bool f3_cross_safe(const 卍Vector& a, const 卍Vector& b, 卍Vectorψ out) {
  卍Vector value = out;
  const bool written = f3_cross_safe(a, b, value);
  out = value;
  return written;
}

}  // namespace lumo
