// 卍Bool: a named membership array with one byte per index 0..size-1
// (1 member, 0 not).
//
// Contract:
//  * Resize(n) keeps the bytes below the old size and zeroes the new ones;
//    shrinking only lowers the size.  A negative n is taken as 0.
//  * Set(n, list) clears all n bytes and marks the listed indices (those
//    outside 0..n-1 are skipped); an empty list only clears has_members.
//  * 巜(list) marks more indices; one beyond the last index is reported.
//  * [i] outside 0..size-1 prints its message and yields a scratch byte whose
//    reads give 0 and whose writes are lost.
//  * An allocation failure is reported and leaves the previous buffer.
// Copies are deep.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumo {

struct 卍Bool {
  std::unique_ptr<std::uint8_t[]> bytes;
  std::uint8_t has_members = 0;
  int isize = 0;
  int size一 = -1;  // isize - 1
  int capacity = 0;
  std::string name;

  卍Bool(const char* name, int n, std::uint8_t fill = 0);
  卍Bool(const 卍Bool& other);
  卍Bool& operator=(const 卍Bool& other);
  卍Bool(卍Bool&&) noexcept = default;
  卍Bool& operator=(卍Bool&&) noexcept = default;

  void Resize(int n);
  void Set(int n, const std::vector<int>& indices);
  void 巜(const std::vector<int>& indices);

  std::uint8_t& operator[](int i);
  std::uint8_t operator[](int i) const;

  int size() const { return isize; }

 private:
  // Makes room for n bytes; false (reported as `function`) when the
  // allocation fails, leaving the old buffer.
  bool reserve_bytes(int n, const char* function);
  bool in_range(int i) const;

  std::uint8_t scratch_ = 0;
};

}  // namespace lumo
