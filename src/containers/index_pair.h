// 卍2ξ: a pair of indices (first, second) filled one value at a time.
//
// Default (-1, -1), state 255 (empty).  十十卩 fills first, then second; a third
// value is dropped with a console line.  [0] and [1] give the two values; any
// other k prints its out-of-range lines and yields a scratch -1.
#pragma once

#include <cstdint>

namespace lumo {

struct 卍2ξ {
  static constexpr std::uint8_t kEmpty = 255;

  std::int32_t first = -1;
  std::int32_t second = -1;
  std::uint8_t state = kEmpty;  // 255 empty, 0 after the first add, 1 after the second

  卍2ξ() = default;
  卍2ξ(std::int32_t a, std::int32_t b) : first(a), second(b), state(1) {}

  // Adds a value: the first add fills first, the second fills second.
  void 十十卩(std::int32_t value);

  // Number of values added (0, 1 or 2).
  int count() const { return state == kEmpty ? 0 : state + 1; }

  std::int32_t& operator[](int k);
  std::int32_t operator[](int k) const;

  bool operator==(const 卍2ξ& other) const { return first == other.first && second == other.second; }

 private:
  static std::int32_t& scratch();
};

}  // namespace lumo
