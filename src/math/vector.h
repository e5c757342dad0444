// Three-component vectors: the value type 卍Vector and the operations on it.
//
// Single precision throughout; sums of three terms are added left to right.
// Degenerate input never raises: a zero vector normalises to zero, a division
// by zero yields the zero vector with a console line.  Every operation that
// changes a vector in place also accepts a view (卍Vectorψ, vector_view.h).
#pragma once

namespace lumo {

// 卍Vector: three floats x, y, z in that order, used by value.
struct 卍Vector {
  float x = 0, y = 0, z = 0;

  constexpr 卍Vector() = default;
  constexpr 卍Vector(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
  // Reads three floats of a host field (a pose head, a vertex position).
  constexpr 卍Vector(const float (&v)[3]) : x(v[0]), y(v[1]), z(v[2]) {}

  constexpr float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
  constexpr float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
  void copy_to(float (&out)[3]) const { out[0] = x, out[1] = y, out[2] = z; }

  卍Vector& operator+=(const 卍Vector& b) { x += b.x, y += b.y, z += b.z; return *this; }
  卍Vector& operator-=(const 卍Vector& b) { x -= b.x, y -= b.y, z -= b.z; return *this; }
  卍Vector& operator*=(float f) { x *= f, y *= f, z *= f; return *this; }
};
static_assert(sizeof(卍Vector) == 12);

inline 卍Vector operator+(const 卍Vector& a, const 卍Vector& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline 卍Vector operator-(const 卍Vector& a, const 卍Vector& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline 卍Vector operator-(const 卍Vector& a) { return {-a.x, -a.y, -a.z}; }
inline 卍Vector operator*(const 卍Vector& a, float f) { return {a.x * f, a.y * f, a.z * f}; }
inline 卍Vector operator*(float f, const 卍Vector& a) { return {f * a.x, f * a.y, f * a.z}; }
// Exact comparison of all three components.
inline bool operator==(const 卍Vector& a, const 卍Vector& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

inline float f3_dot(const 卍Vector& a, const 卍Vector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
float f3_length(const 卍Vector& v);
float f3_distance(const 卍Vector& a, const 卍Vector& b);
// Exactly (0, 0, 0) (negative zeros count as zero).
inline bool f3_is_zero(const 卍Vector& v) { return v.x == 0 && v.y == 0 && v.z == 0; }

// Right-handed cross product, no checks.
inline 卍Vector f3_cross(const 卍Vector& a, const 卍Vector& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// out = a × b unless a or b is exactly zero; then out is left untouched and
// the result is false.
bool f3_cross_safe(const 卍Vector& a, const 卍Vector& b, 卍Vector& out);

// In place.  skip_if_zero: an exact zero vector is left alone.  Length below
// 1e-6: the vector becomes zero.  Otherwise multiplied by 1/length (unchanged
// when 1/length is exactly 1).
void f3_normalize(卍Vector& v, bool skip_if_zero = false);
// out = v × 1/length (v itself when 1/length is exactly 1); returns 1/length.
// A zero-length v gives the zero vector and 0.
float f3_f3工(const 卍Vector& v, 卍Vector& out);
// Component-wise v / f; f = 0 gives (0, 0, 0) and "★★ Ξ(v,f) :f= 0 \n".
卍Vector f3_divide(const 卍Vector& v, float f);
// Angle in [0, π] between v and w.  The requested operands are normalised in
// place first; exactly equal vectors print "★Λ v 二二 v1\n" and give 0.
float f3_angle(卍Vector& v, 卍Vector& w, bool normalize_v, bool normalize_w);
// Scale v to length `min` when shorter (true); a zero vector stays as it is.
bool f3_grow_to(float min, 卍Vector& v);
// Scale v to length `max` when longer (true); a zero vector stays as it is.
bool f3_shrink_to(float max, 卍Vector& v);

// Index 0, 1 or 2 of the component with the strictly largest absolute value,
// its unit axis copied to `axis` when given; 255 without a strict maximum
// (axis untouched).  The zero vector is reported ("卩〇(乛)") and gives 0.
int i在XYZ(const 卍Vector& v, 卍Vector* axis = nullptr);

}  // namespace lumo
