#include "math/frame.h"

#include "base/console.h"

namespace lumo {
namespace {

// Steps 1–4; false (after the console line) when the frame collapses.
bool build_axes(const 卍Vector* x, const 卍Vector* y, const 卍Vector* z, int order, const 卍Vector* scale,
                卍Vector (&axes)[3]) {
  卍Vector& X = axes[0];
  卍Vector& Y = axes[1];
  卍Vector& Z = axes[2];
  X = x ? *x : 卍Vector();
  Y = y ? *y : 卍Vector();
  Z = z ? *z : 卍Vector();

  // Builds axis `target` as a × b; a collapsed product ends with the line.
  auto build = [&](int target, const 卍Vector& a, const 卍Vector& b) {
    卍Vector product;
    if (f3_cross_safe(a, b, product) && !f3_is_zero(product)) {
      axes[target] = product;
      return true;
    }
    con_printf("!!! 两向量成一直线 %c\n", "XYZ"[target]);
    return false;
  };

  if (!x) {
    if (!build(0, Y, Z)) return false;
  } else if (!y) {
    if (!build(1, Z, X)) return false;
  } else if (!z) {
    if (!build(2, X, Y)) return false;
  }

  switch (order) {
    case 0:
      if (!build(0, Y, Z)) return false;
      break;
    case 1:
      if (!build(1, Z, X)) return false;
      break;
    case 2:
      if (!build(2, X, Y)) return false;
      break;
    default:
      break;
  }

  for (卍Vector& axis : axes) f3_normalize(axis, false);
  if (scale) {
    X *= scale->x;
    Y *= scale->y;
    Z *= scale->z;
  }
  return true;
}

}  // namespace

卍Matrix4 m4_from_axes(const 卍Vector* x, const 卍Vector* y, const 卍Vector* z, const 卍Vector* translation,
                      int order, const 卍Vector* scale) {
  卍Matrix4 m;
  卍Vector axes[3];
  if (!build_axes(x, y, z, order, scale, axes)) return m;
  for (int i = 0; i < 3; ++i) m.row(i) = axes[i];
  if (translation) m.row(3) = *translation;
  return m;
}

卍Matrix3 m3_from_axes(const 卍Vector* x, const 卍Vector* y, const 卍Vector* z, int order, const 卍Vector* scale) {
  卍Matrix3 m;
  卍Vector axes[3];
  if (!build_axes(x, y, z, order, scale, axes)) return m;
  for (int i = 0; i < 3; ++i) m.row(i) = axes[i];
  return m;
}

}  // namespace lumo
