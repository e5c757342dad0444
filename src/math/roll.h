// Bone matrices from a direction and a roll angle, and back: the host's own
// bone convention, so results agree with the host's bone matrices.  Within
// 1e-5 of −Y (but not on it) the matrix is kept a rotation (see roll.cpp).
#pragma once

#include "math/matrix.h"
#include "math/vector.h"

namespace lumo {

// Bone matrix whose Y row is the unit direction n, with X and Z turned about
// n by `roll` (standard cosine and sine).  The caller normalises n: a squared
// length that differs from both 1 and 0 by 0.0002 or more is reported as a
// violated precondition, and the matrix is still built from n as given.
卍Matrix3 m3_from_vec_roll(const 卍Vector& n, float roll);
// The inverse: the roll of m about its Y row (in (−π, π]), and that Y row in
// `direction` when given.
void m3_axis丶roll(const Rows3& m, 卍Vector* direction, float& roll);
float m3_axis丶roll(const Rows3& m, 卍Vector* direction = nullptr);

}  // namespace lumo
