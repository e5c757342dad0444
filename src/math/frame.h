// Orthonormal frames from axis vectors.
//
// m4_from_axes / m3_from_axes(X, Y, Z, [translation], order, scale), every
// vector optional (nullptr):
//  1. A missing axis is completed with the safe cross product: X absent,
//     X = Y × Z; else Y absent, Y = Z × X; else Z absent, Z = X × Y.  A zero
//     result prints "!!! 两向量成一直线 X\n" (Y, Z) and gives the identity.
//  2. Re-orthogonalisation by order: 0 X = Y × Z, 1 Y = Z × X, 2 Z = X × Y;
//     any other value (the solvers pass −1) none, so the result is orthonormal
//     only when the given Y and Z are perpendicular.  A rebuilt axis that
//     collapses to zero prints the same line for it and gives the identity.
//  3. X, Y, Z are normalised.
//  4. A given scale multiplies X, Y and Z by its x, y and z.
//  5. Rows 0, 1, 2 are X, Y, Z; row 3 the translation when given, else (0,0,0,1).
// The solvers call it with X absent, Y = the bone direction, Z = its Z axis.
#pragma once

#include "math/matrix.h"
#include "math/vector.h"

namespace lumo {

卍Matrix4 m4_from_axes(const 卍Vector* x, const 卍Vector* y, const 卍Vector* z, const 卍Vector* translation,
                      int order, const 卍Vector* scale = nullptr);
卍Matrix3 m3_from_axes(const 卍Vector* x, const 卍Vector* y, const 卍Vector* z, int order,
                      const 卍Vector* scale = nullptr);

}  // namespace lumo
