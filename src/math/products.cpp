#include "math/products.h"

#include <cstring>

#include "base/report.h"

namespace lumo {

// One entry of A × B; the macros keep the products unrolled and readable.
#define LUMO_M4_ENTRY(i, j) t[i][j] = b[i][0] * a[0][j] + b[i][1] * a[1][j] + b[i][2] * a[2][j] + b[i][3] * a[3][j]
#define LUMO_M3_ENTRY(i, j) t[i][j] = b[i][0] * a[0][j] + b[i][1] * a[1][j] + b[i][2] * a[2][j]

void m4_mul(const Rows4& a, const Rows4& b, Rows4& out) {
  float t[4][4];
  LUMO_M4_ENTRY(0, 0); LUMO_M4_ENTRY(0, 1); LUMO_M4_ENTRY(0, 2); LUMO_M4_ENTRY(0, 3);
  LUMO_M4_ENTRY(1, 0); LUMO_M4_ENTRY(1, 1); LUMO_M4_ENTRY(1, 2); LUMO_M4_ENTRY(1, 3);
  LUMO_M4_ENTRY(2, 0); LUMO_M4_ENTRY(2, 1); LUMO_M4_ENTRY(2, 2); LUMO_M4_ENTRY(2, 3);
  LUMO_M4_ENTRY(3, 0); LUMO_M4_ENTRY(3, 1); LUMO_M4_ENTRY(3, 2); LUMO_M4_ENTRY(3, 3);
  std::memcpy(out, t, sizeof t);
}

void m3_mul(const Rows3& a, const Rows3& b, Rows3& out) {
  float t[3][3];
  LUMO_M3_ENTRY(0, 0); LUMO_M3_ENTRY(0, 1); LUMO_M3_ENTRY(0, 2);
  LUMO_M3_ENTRY(1, 0); LUMO_M3_ENTRY(1, 1); LUMO_M3_ENTRY(1, 2);
  LUMO_M3_ENTRY(2, 0); LUMO_M3_ENTRY(2, 1); LUMO_M3_ENTRY(2, 2);
  std::memcpy(out, t, sizeof t);
}

#undef LUMO_M4_ENTRY
#undef LUMO_M3_ENTRY

卍Matrix4 m4_mul(const Rows4& a, const Rows4& b) {
  卍Matrix4 out;
  m4_mul(a, b, out.m);
  return out;
}

卍Matrix3 m3_mul(const Rows3& a, const Rows3& b) {
  卍Matrix3 out;
  m3_mul(a, b, out.m);
  return out;
}

卍Vector m4_point(const Rows4& m, const 卍Vector& p) {
  return {p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + m[3][0],
          p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + m[3][1],
          p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + m[3][2]};
}

void m4_point(const Rows4& m, const 卍Vector& p, 卍Vector& out) { out = m4_point(m, p); }

void m4_point(const Rows4& m, const 卍Vector& p, 卍Vectorψ out) { out = m4_point(m, p); }

void m4_point(const Rows4& m, const 卍Vector& p, float (&out)[3]) { m4_point(m, p).copy_to(out); }

卍Vector m4_point(const Rows4* m, const 卍Vector& p) { return m ? m4_point(*m, p) : p; }

bool ＠二(const Rows4& m, float* p) {
  if (!p) {
    LUMO_REPORT("__", "p 二二 ψ0", "＠二");
    return false;
  }
  const 卍Vector moved = m4_point(m, 卍Vector(p[0], p[1], p[2]));
  p[0] = moved.x, p[1] = moved.y, p[2] = moved.z;
  return true;
}

卍Vector m4_direction(const Rows4& m, const 卍Vector& v) {
  return {v.x * m[0][0] + v.y * m[1][0] + v.z * m[2][0],
          v.x * m[0][1] + v.y * m[1][1] + v.z * m[2][1],
          v.x * m[0][2] + v.y * m[1][2] + v.z * m[2][2]};
}

卍Vector m3_direction(const Rows3& m, const 卍Vector& v) {
  return {v.x * m[0][0] + v.y * m[1][0] + v.z * m[2][0],
          v.x * m[0][1] + v.y * m[1][1] + v.z * m[2][1],
          v.x * m[0][2] + v.y * m[1][2] + v.z * m[2][2]};
}

}  // namespace lumo
