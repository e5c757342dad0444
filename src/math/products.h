// Matrix products and point transforms over every operand kind.
//
// Product convention: A × B (first operand A, second B) is
//   (A × B)[i][j] = Σk B[i][k]·A[k][j],
// so transforming a point by A × B is transforming it by B and then by A.
// 4×4 products sum four terms per entry, 3×3 products three, left to right in
// single precision.  Every product is unrolled and allocation-free and writes
// through a temporary, so an output may alias an input.
//
// Operand kinds: a matrix is any Rows4 / Rows3 (a value, a host matrix inside
// a host structure, or *ref for a host matrix reference held by a record); a
// point is a 卍Vector, a view (卍Vectorψ) or a three-float host field; outputs
// are a returned value, a 卍Vector, a view or a three-float array.
#pragma once

#include "math/matrix.h"
#include "math/vector.h"
#include "math/vector_view.h"

namespace lumo {

// A × B.
卍Matrix4 m4_mul(const Rows4& a, const Rows4& b);
// A × B written into `out` (a value, or a host matrix such as a channel's
// pose_mat for the write-back).
void m4_mul(const Rows4& a, const Rows4& b, Rows4& out);
卍Matrix3 m3_mul(const Rows3& a, const Rows3& b);
void m3_mul(const Rows3& a, const Rows3& b, Rows3& out);

// p′ = M·p (with the translation row).
卍Vector m4_point(const Rows4& m, const 卍Vector& p);
void m4_point(const Rows4& m, const 卍Vector& p, 卍Vector& out);
void m4_point(const Rows4& m, const 卍Vector& p, 卍Vectorψ out);
void m4_point(const Rows4& m, const 卍Vector& p, float (&out)[3]);
// A host matrix that may be absent (an object's matrix when no object is
// given): an absent matrix is the identity.
卍Vector m4_point(const Rows4* m, const 卍Vector& p);
// ＠二: p := M·p in place on three floats (a host field).  A null p is
// reported under the name "＠二" and nothing is written.
bool ＠二(const Rows4& m, float* p);

// Directions: the 3×3 part only, no translation.
卍Vector m4_direction(const Rows4& m, const 卍Vector& v);
卍Vector m3_direction(const Rows3& m, const 卍Vector& v);

}  // namespace lumo
