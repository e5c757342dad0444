#include "math/validity.h"

#include "base/report.h"

namespace lumo {
namespace {

bool invalid_components(float t0, float t1, float t2) {
  constexpr float 十万 = 100000.0f;
  if (十万 < t0 || t0 < -十万 || 十万 < t1 || t1 < -十万 || 十万 < t2 || t2 < -十万) {
    LUMO_REPORT("__", "十万 ＜ t[0]丨丨 t[0] ＜ -十万 丨丨 十万 ＜ t[1]丨丨 t[1] ＜ -十万 丨丨 十万 ＜ t[2]丨丨 t[2] ＜ -十万",
                "卩无效v");
    return true;
  }
  return false;
}

}  // namespace

bool 卩无效v(const 卍Vector& t) { return invalid_components(t.x, t.y, t.z); }

bool 卩无效v(const 卍Quat& t) { return invalid_components(t.w, t.x, t.y); }

bool 卩无效(const 卍PSR& t) {
  if (卩无效v(t.p) || 卩无效v(t.s) || 卩无效v(t.e) || 卩无效v(t.q)) {
    LUMO_REPORT("__", "卩无效v(t.p)丨丨 卩无效v(t.s)丨丨 卩无效v(t.e)丨丨 卩无效v(t.q)", "卩无效");
    return true;
  }
  return false;
}

}  // namespace lumo
