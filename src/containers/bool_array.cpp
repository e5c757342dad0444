#include "containers/bool_array.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/console.h"
#include "base/report.h"

namespace lumo {

卍Bool::卍Bool(const char* name_, int n, std::uint8_t fill) : name(name_ ? name_ : "") {
  n = std::max(n, 0);
  if (!reserve_bytes(n, "卍Bool::卍Bool")) return;
  if (n > 0) std::memset(bytes.get(), fill, static_cast<size_t>(n));
  has_members = 1;
  isize = n;
  size一 = n - 1;
}

卍Bool::卍Bool(const 卍Bool& other) : name(other.name) { *this = other; }

卍Bool& 卍Bool::operator=(const 卍Bool& other) {
  if (this == &other) return *this;
  if (!reserve_bytes(other.isize, "卍Bool::operator =")) return *this;
  if (other.isize > 0) std::memcpy(bytes.get(), other.bytes.get(), static_cast<size_t>(other.isize));
  has_members = other.has_members;
  isize = other.isize;
  size一 = other.size一;
  name = other.name;
  return *this;
}

bool 卍Bool::reserve_bytes(int n, const char* function) {
  if (n <= capacity && (bytes || n == 0)) return true;
  std::unique_ptr<std::uint8_t[]> grown(new (std::nothrow) std::uint8_t[static_cast<size_t>(std::max(n, 1))]);
  if (!grown) {
    LUMO_REPORT("__", "ψb 二二 nullptr", function);
    return false;
  }
  if (isize > 0) std::memcpy(grown.get(), bytes.get(), static_cast<size_t>(std::min(isize, n)));
  bytes = std::move(grown);
  capacity = std::max(n, 1);
  return true;
}

void 卍Bool::Resize(int n) {
  n = std::max(n, 0);
  if (!reserve_bytes(n, "卍Bool::Resize")) return;
  if (n > isize) std::memset(bytes.get() + isize, 0, static_cast<size_t>(n - isize));
  isize = n;
  size一 = n - 1;
}

void 卍Bool::Set(int n, const std::vector<int>& indices) {
  if (indices.empty()) {
    has_members = 0;
    return;
  }
  n = std::max(n, 0);
  if (!reserve_bytes(n, "卍Bool::Set")) return;
  if (n > 0) std::memset(bytes.get(), 0, static_cast<size_t>(n));
  isize = n;
  size一 = n - 1;
  for (int i : indices)
    if (i >= 0 && i < n) bytes[i] = 1;
  has_members = 1;
}

void 卍Bool::巜(const std::vector<int>& indices) {
  for (int i : indices) {
    if (i > size一) {
      LUMO_REPORT(name.c_str(), "size一 ＜ I", "卍Bool::巜");
      continue;
    }
    if (i >= 0) bytes[i] = 1;
  }
}

bool 卍Bool::in_range(int i) const {
  if (i < 0) {
    con_printf("★★★卍Bool越界:ξ ＜ 0 ,ξ = %d · name=%s\n", i, name.c_str());
    return false;
  }
  if (i > size一) {
    con_printf("★★★卍Bool越界:size一 ＜ ξ,ξ = %d  ·isize= %d·size一= %d· name=%s\n", i, isize, size一, name.c_str());
    return false;
  }
  return true;
}

std::uint8_t& 卍Bool::operator[](int i) {
  if (!in_range(i)) {
    scratch_ = 0;
    return scratch_;
  }
  return bytes[i];
}

std::uint8_t 卍Bool::operator[](int i) const { return in_range(i) ? bytes[i] : 0; }

}  // namespace lumo
