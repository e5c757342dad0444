#include "math/triangle_sides.h"

#include <cmath>

namespace lumo {

float angle_from_sides(float a, float b, float c) { return std::acos((a * a + b * b - c * c) / (2 * a * b)); }

float leg_from_sides(float h, float a) { return std::sqrt(h * h - a * a); }

float hypot_of(float a, float b) { return std::sqrt(a * a + b * b); }

}  // namespace lumo
