// Axis–angle rotation of vectors and matrix rows, with the sine and cosine
// taken from the lookup tables (trig_tables.h).
#pragma once

#include "math/matrix.h"
#include "math/vector.h"
#include "math/vector_view.h"

namespace lumo {

// Rotates v in place by `angle` about `axis` (Rodrigues' formula,
// right-handed).  Angle exactly 0: v is left bit-for-bit unchanged.  With
// normalize_axis the axis itself is normalised in place first.  A negative
// angle rotates by −angle about the negated axis.  A rotated x above 100000
// prints the inputs and the three terms of the formula on the console.
void f3_rotate(float angle, 卍Vector& axis, 卍Vector& v, bool normalize_axis);
void f3_rotate(float angle, 卍Vector& axis, 卍Vectorψ v, bool normalize_axis);
void f3_rotate(float angle, 卍Vectorψ axis, 卍Vectorψ v, bool normalize_axis);
void f3_rotate(float angle, 卍Vectorψ axis, 卍Vector& v, bool normalize_axis);
// The same, returning the rotated copy of v (v itself is not changed; the
// axis is normalised in place when asked, as above).
卍Vector f3_rotated(float angle, 卍Vector& axis, const 卍Vector& v, bool normalize_axis);
卍Vector f3_rotated(float angle, 卍Vectorψ axis, const 卍Vector& v, bool normalize_axis);

// Rotates the rows X, Y, Z of m about `axis`; the translation row stays.
// Angle exactly 0: nothing.
void m3_rotate(float angle, 卍Vector& axis, Rows4& m, bool normalize_axis);

// The host's axis–angle rotation mode: rotation by `angle` about the
// normalised axis, as a row-layout matrix; a zero axis gives the identity.
卍Matrix3 axis_angle_to_m3(const 卍Vector& axis, float angle);

}  // namespace lumo
