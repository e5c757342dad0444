// 卍cBool: a membership set over a sparse, sorted set of indices, kept as
// dense segments of one byte per index.
//
// Contract after Set: segments are in increasing index order; segment k covers
// exactly its first to its last member (L段L2ξ[k]); inside a segment the byte
// of index x (offset x - first) is 1 for members; no segment holds a run of
// 20 or more consecutive non-members (a gap of 19 stays inside a segment, a
// gap of 20 starts a new one).  Copies are deep; an allocation failure is
// reported and leaves the previous buffer in place.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "containers/index_pair.h"

namespace lumo {

struct 卍cBool {
  std::vector<std::unique_ptr<std::uint8_t[]>> L段ψb;  // one byte buffer per segment
  std::vector<int> L段len;                           // bytes in use per segment
  std::vector<int> segment_capacity;                 // bytes allocated per segment
  std::vector<卍2ξ> L段L2ξ;                          // first and last member of each segment
  int isize = 0;                                     // the index universe given to Set
  int size一 = -1;
  int first_member = -1;
  int ξ大 = -1;  // largest member
  int is_set = 0;

  卍cBool() = default;
  卍cBool(const 卍cBool& other) { *this = other; }
  卍cBool& operator=(const 卍cBool& other);
  卍cBool(卍cBool&&) noexcept = default;
  卍cBool& operator=(卍cBool&&) noexcept = default;

  // Builds the set from indices in any order, repeats allowed.  An empty list
  // leaves the set unchanged when keep_when_empty, else empties it.
  void Set(const std::vector<int>& indices, int size, bool keep_when_empty = true);

  bool contains(int index) const;
  int segment_count() const { return static_cast<int>(L段L2ξ.size()); }
};

// Segments a sorted list of distinct indices into `set` (used by 卍cBool::Set).
void ΔSet(const std::vector<int>& sorted_unique, 卍cBool& set);

}  // namespace lumo
