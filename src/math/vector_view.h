// 卍Vectorψ: a vector view, three references to floats that live elsewhere,
// typically one row of a 4×4 matrix inside a record (rows X, Y, Z and the
// translation of a bone's working matrix).
//
// Reading a view gives a 卍Vector, so a view goes wherever a vector is read;
// assigning to a view and the in-place operations below store through the
// references into the referenced matrix.  A view never rebinds: assignment
// writes values.  It must not outlive the floats it refers to.
#pragma once

#include "math/vector.h"

namespace lumo {

struct 卍Vectorψ {
  float& x;
  float& y;
  float& z;

  卍Vectorψ(float& x_, float& y_, float& z_) : x(x_), y(y_), z(z_) {}
  // A row of a 4×4 matrix (its first three floats).
  explicit 卍Vectorψ(float (&row)[4]) : x(row[0]), y(row[1]), z(row[2]) {}
  // A three-float host field or a row of a 3×3 matrix.
  explicit 卍Vectorψ(float (&v)[3]) : x(v[0]), y(v[1]), z(v[2]) {}
  explicit 卍Vectorψ(卍Vector& v) : x(v.x), y(v.y), z(v.z) {}
  卍Vectorψ(const 卍Vectorψ&) = default;

  operator 卍Vector() const { return {x, y, z}; }
  卍Vector value() const { return {x, y, z}; }

  float& operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }

  const 卍Vectorψ& operator=(const 卍Vector& v) const {
    x = v.x, y = v.y, z = v.z;
    return *this;
  }
  const 卍Vectorψ& operator=(const 卍Vectorψ& v) const { return *this = v.value(); }
  const 卍Vectorψ& operator+=(const 卍Vector& b) const { return *this = value() += b; }
  const 卍Vectorψ& operator-=(const 卍Vector& b) const { return *this = value() -= b; }
  const 卍Vectorψ& operator*=(float f) const { return *this = value() *= f; }
};

// The in-place operations of vector.h through a view.
void f3_normalize(卍Vectorψ v, bool skip_if_zero = false);
float f3_angle(卍Vectorψ v, 卍Vectorψ w, bool normalize_v, bool normalize_w);
float f3_angle(卍Vector& v, 卍Vectorψ w, bool normalize_v, bool normalize_w);
float f3_angle(卍Vectorψ v, 卍Vector& w, bool normalize_v, bool normalize_w);
bool f3_grow_to(float min, 卍Vectorψ v);
bool f3_shrink_to(float max, 卍Vectorψ v);
bool f3_cross_safe(const 卍Vector& a, const 卍Vector& b, 卍Vectorψ out);

}  // namespace lumo
