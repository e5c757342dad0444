#include "containers/index_pair.h"

#include "base/console.h"

namespace lumo {
namespace {
// Prints the out-of-range lines of [k]; true when k is out of range.
bool out_of_range(int k) {
  if (k < 0) {
    con_printf("卍2ξ 越界");
    con_printf("★★★ :ξ_ ＜ 0 ,ξ = %d n", k);
    return true;
  }
  if (k > 1) {
    con_printf("卍2ξ  越界");
    con_printf("★★★ :1 ＜ ξ_,ξ_ = %d  n", k);
    return true;
  }
  return false;
}
}  // namespace

void 卍2ξ::十十卩(std::int32_t value) {
  if (state == kEmpty) {
    first = value;
    state = 0;
  } else if (state == 0) {
    second = value;
    state = 1;
  } else {
    con_printf("★ 卍2ξ 十十卩()  ξ_=%dn", value);
  }
}

std::int32_t& 卍2ξ::scratch() {
  static std::int32_t value;
  value = -1;  // whatever an earlier caller wrote through it is lost
  return value;
}

std::int32_t& 卍2ξ::operator[](int k) {
  if (out_of_range(k)) return scratch();
  return k == 0 ? first : second;
}

std::int32_t 卍2ξ::operator[](int k) const {
  if (out_of_range(k)) return -1;
  return k == 0 ? first : second;
}

}  // namespace lumo
