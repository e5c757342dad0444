/* Math exports. */
#ifndef LUMO_IK64_MATH_H
#define LUMO_IK64_MATH_H

#include "lumo_ik64/export.h"

/* 工_q — normalises a quaternion in place and returns its length before.
 *
 * quaternion: address of four floats (w, x, y, z), as a pose channel's
 *             quaternion field; read and written in place.
 * Result:     the length √(w² + x² + y² + z²) before normalising.  A zero
 *             quaternion becomes (0, 1, 0, 0) and the result is 0.
 * Failure:    a null address is reported ("assertion failure", condition
 *             "q 二二 ψ0") and the result is 0; nothing is written.
 * Call order: none; no state. */
LUMO_EXPORT float 工_q(float* quaternion);

#endif
