// Triangle relations used by the analytic IK solvers.  None of them clamps:
// callers compare the sides first so that the arguments stay in range.
#pragma once

namespace lumo {

// Angle between sides a and b, opposite side c: arccos((a² + b² − c²) / (2ab)).
float angle_from_sides(float a, float b, float c);
// The other leg of a right triangle with hypotenuse h and leg a: √(h² − a²).
float leg_from_sides(float h, float a);
// √(a² + b²).
float hypot_of(float a, float b);

}  // namespace lumo
