// Guarded sizing and copying of the library's lists (L: a list, LL: a list of
// lists).
//
//  * ResizeL / ResizeLL: n > 0 resizes (new elements value-initialised); n < 1
//    prints a console line and empties the list.
//  * 灬冖L: n > 0 makes the list n copies of a value; n < 1 prints a line and
//    leaves the list as it is.
//  * copy_list: list to list; an empty source returns at once unless
//    copy_when_empty.  The destination is resized to the source's size when
//    its size plus offset differs from it, and in any case when it is smaller
//    than the source, so the copy never writes past it.
//  * copy_array_to_list / copy_list_to_array: between lists and caller arrays;
//    floats go to int or byte arrays by truncation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/console.h"
#include "base/report.h"

namespace lumo {

template <class T>
void ResizeL(long long n, std::vector<T>& list) {
  if (n < 1) {
    con_printf("★★Resize  无 L  iSize ＜ 1, iSize=%d", static_cast<int>(n));
    list.clear();
    return;
  }
  list.resize(static_cast<size_t>(n));
}

template <class T>
void ResizeLL(long long n, std::vector<std::vector<T>>& lists) {
  if (n < 1) {
    con_printf("★★Resize  无 LL iSize ＜ 1, iSize=%d", static_cast<int>(n));
    lists.clear();
    return;
  }
  lists.resize(static_cast<size_t>(n));
}

// Also resizes every inner list to m (with ResizeL's guard).
template <class T>
void ResizeLL(long long n, long long m, std::vector<std::vector<T>>& lists) {
  ResizeLL(n, lists);
  for (std::vector<T>& inner : lists) ResizeL(m, inner);
}

template <class T>
void 灬冖L(long long n, const T& value, std::vector<T>& list) {
  if (n < 1) {
    con_printf("★★ 灬冖  L iSize ＜ 1, iSize=%d", static_cast<int>(n));
    return;
  }
  list.assign(static_cast<size_t>(n), value);
}

template <class T>
void copy_list(const std::vector<T>& src, std::vector<T>& dst, long long offset = 0, bool copy_when_empty = false) {
  if (src.empty() && !copy_when_empty) return;
  const long long source_size = static_cast<long long>(src.size());
  const long long target_size = static_cast<long long>(dst.size());
  if (target_size + offset != source_size || target_size < source_size) ResizeL(source_size, dst);
  for (size_t i = 0; i < src.size(); ++i) dst[i] = src[i];
}

template <class T>
void copy_list(const std::vector<std::vector<T>>& src, std::vector<std::vector<T>>& dst, long long offset = 0,
               bool copy_when_empty = false) {
  if (src.empty() && !copy_when_empty) return;
  const long long source_size = static_cast<long long>(src.size());
  const long long target_size = static_cast<long long>(dst.size());
  if (target_size + offset != source_size || target_size < source_size) ResizeLL(source_size, dst);
  for (size_t i = 0; i < src.size(); ++i) dst[i].assign(src[i].begin(), src[i].end());
}

// Makes the list the n elements of array (int, float or byte arrays).  A
// missing array is reported and leaves the list unchanged.
template <class T, class A>
void copy_array_to_list(long long n, const A* array, std::vector<T>& list) {
  if (n > 0 && !array) {
    LUMO_REPORT("__", "A 二二 ψ0", "copy_array_to_list");
    return;
  }
  if (static_cast<long long>(list.size()) != n) ResizeL(n, list);
  for (size_t i = 0; i < list.size(); ++i) list[i] = static_cast<T>(array[i]);
}

// Copies the list into the caller's array, which must hold list.size()
// elements; returns the count.  A missing array returns 0, reported when the
// caller requires the write.
template <class T, class A>
int copy_list_to_array(const std::vector<T>& list, A* array, bool must_write) {
  if (!array) {
    if (must_write) LUMO_REPORT("__", "A 二二 ψ0", "copy_list_to_array");
    return 0;
  }
  for (size_t i = 0; i < list.size(); ++i) array[i] = static_cast<A>(list[i]);
  return static_cast<int>(list.size());
}

}  // namespace lumo
