#include "math/euler.h"

#include <cfloat>
#include <cmath>

#include "base/report.h"

namespace lumo {
namespace {

constexpr EulerOrder kOrders[7] = {
    {0, 1, 2, false},  // 0: read as XYZ
    {0, 1, 2, false},  // XYZ
    {0, 2, 1, true},   // XZY
    {1, 0, 2, true},   // YXZ
    {1, 2, 0, false},  // YZX
    {2, 0, 1, false},  // ZXY
    {2, 1, 0, true},   // ZYX
};

}  // namespace

const EulerOrder* euler_order(int order) { return order >= 0 && order <= 6 ? &kOrders[order] : nullptr; }

卍Matrix3 eul_to_m3(const 卍Vector& e, int order) {
  const EulerOrder* axes = euler_order(order);
  卍Matrix3 m;
  if (!axes) {
    LUMO_REPORT("__", "i顺序 >= 0 丶丶 i顺序 ＜二 6", "eul_to_m3");
    return m;
  }
  const int i = axes->i, j = axes->j, k = axes->k;
  double ti = e[i], tj = e[j], th = e[k];
  if (axes->parity) ti = -ti, tj = -tj, th = -th;
  const double ci = std::cos(ti), cj = std::cos(tj), ch = std::cos(th);
  const double si = std::sin(ti), sj = std::sin(tj), sh = std::sin(th);
  const double cc = ci * ch, cs = ci * sh, sc = si * ch, ss = si * sh;
  m[i][i] = float(cj * ch);
  m[j][i] = float(sj * sc - cs);
  m[k][i] = float(sj * cc + ss);
  m[i][j] = float(cj * sh);
  m[j][j] = float(sj * ss + cc);
  m[k][j] = float(sj * cs - sc);
  m[i][k] = float(-sj);
  m[j][k] = float(cj * si);
  m[k][k] = float(cj * ci);
  return m;
}

卍Vector m_e2(const Rows4& rows, int order) {
  const EulerOrder* axes = euler_order(order);
  if (!axes) {
    LUMO_REPORT("__", "order >= 0 丶丶 order ＜二 6", "m_e2");
    return {};
  }
  卍Matrix3 m(rows);
  for (int r = 0; r < 3; ++r) f3_normalize(m.row(r));
  const int i = axes->i, j = axes->j, k = axes->k;
  const float cy = std::hypot(m[i][i], m[i][j]);
  卍Vector first, second;
  if (cy > 16.0f * FLT_EPSILON) {
    first[i] = std::atan2(m[j][k], m[k][k]);
    first[j] = std::atan2(-m[i][k], cy);
    first[k] = std::atan2(m[i][j], m[i][i]);
    second[i] = std::atan2(-m[j][k], -m[k][k]);
    second[j] = std::atan2(-m[i][k], -cy);
    second[k] = std::atan2(-m[i][j], -m[i][i]);
  } else {
    first[i] = std::atan2(-m[k][j], m[j][j]);
    first[j] = std::atan2(-m[i][k], cy);
    first[k] = 0;
    second = first;
  }
  if (axes->parity) {
    first = -first;
    second = -second;
  }
  const float sum_first = std::fabs(first.x) + std::fabs(first.y) + std::fabs(first.z);
  const float sum_second = std::fabs(second.x) + std::fabs(second.y) + std::fabs(second.z);
  return sum_second < sum_first ? second : first;
}

}  // namespace lumo
