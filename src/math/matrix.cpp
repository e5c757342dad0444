#include "math/matrix.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace lumo {

卍Matrix4::卍Matrix4(const Rows4& rows) { std::memcpy(m, rows, sizeof m); }

void 卍Matrix4::copy_to(Rows4& out) const { std::memcpy(out, m, sizeof m); }

卍Matrix3::卍Matrix3(const Rows3& rows) { std::memcpy(m, rows, sizeof m); }

卍Matrix3::卍Matrix3(const Rows4& rows) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m[i][j] = rows[i][j];
}

void 卍Matrix3::copy_to_3x3_of(Rows4& out) const {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[i][j] = m[i][j];
}

bool m4_is_identity(const Rows4& m) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (m[i][j] != (i == j ? 1.0f : 0.0f)) return false;
  return true;
}

bool m4_invert(const Rows4& m, Rows4& out) {
  float work[4][4];
  std::memcpy(work, m, sizeof work);
  卍Matrix4 inverse;
  for (int i = 0; i < 4; ++i) {
    int pivot = i;
    for (int j = i + 1; j < 4; ++j)
      if (std::fabs(work[j][i]) > std::fabs(work[pivot][i])) pivot = j;
    if (pivot != i) {
      std::swap(work[i], work[pivot]);
      std::swap(inverse.m[i], inverse.m[pivot]);
    }
    const float p = work[i][i];
    if (p == 0) {
      卍Matrix4().copy_to(out);
      return false;
    }
    for (int k = 0; k < 4; ++k) {
      work[i][k] /= p;
      inverse.m[i][k] /= p;
    }
    for (int j = 0; j < 4; ++j) {
      if (j == i) continue;
      const float f = work[j][i];
      for (int k = 0; k < 4; ++k) {
        work[j][k] -= work[i][k] * f;
        inverse.m[j][k] -= inverse.m[i][k] * f;
      }
    }
  }
  inverse.copy_to(out);
  return true;
}

bool m3_invert(const Rows3& m, Rows3& out) {
  float adj[3][3];
  adj[0][0] = m[1][1] * m[2][2] - m[1][2] * m[2][1];
  adj[0][1] = -m[0][1] * m[2][2] + m[0][2] * m[2][1];
  adj[0][2] = m[0][1] * m[1][2] - m[0][2] * m[1][1];
  adj[1][0] = -m[1][0] * m[2][2] + m[1][2] * m[2][0];
  adj[1][1] = m[0][0] * m[2][2] - m[0][2] * m[2][0];
  adj[1][2] = -m[0][0] * m[1][2] + m[0][2] * m[1][0];
  adj[2][0] = m[1][0] * m[2][1] - m[1][1] * m[2][0];
  adj[2][1] = -m[0][0] * m[2][1] + m[0][1] * m[2][0];
  adj[2][2] = m[0][0] * m[1][1] - m[0][1] * m[1][0];
  const float det = m[0][0] * adj[0][0] + m[1][0] * adj[0][1] + m[2][0] * adj[0][2];
  if (det == 0) {
    std::memcpy(out, adj, sizeof adj);
    return false;
  }
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[i][j] = adj[i][j] / det;
  return true;
}

}  // namespace lumo
