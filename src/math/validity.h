// Validity checks on transform records: components beyond ±100000 mark a
// transform that has run away.  A failed check is reported (an "assertion
// failure" box) and returns true; the caller decides what to skip.
#pragma once

#include "math/psr.h"
#include "math/quaternion.h"
#include "math/vector.h"

namespace lumo {

// True, with a report, when a component is above 100000 or below −100000.
bool 卩无效v(const 卍Vector& t);
// The first three components of q (w, x, y).
bool 卩无效v(const 卍Quat& t);
// 卩无效v of p, s, e and q, in that order, stopping at the first failure,
// which is also reported as a whole.
bool 卩无效(const 卍PSR& t);

}  // namespace lumo
