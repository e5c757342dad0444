#include "containers/sparse_bool_set.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/report.h"

namespace lumo {
namespace {
constexpr int kMaxGap = 20;  // this many non-members in a row split a segment

// Grows segment i's buffer to at least n bytes; false after reporting.
bool grow_segment(卍cBool& set, size_t i, int n, const char* condition, const char* function) {
  if (set.L段ψb[i] && set.segment_capacity[i] >= n) return true;
  std::unique_ptr<std::uint8_t[]> grown(new (std::nothrow) std::uint8_t[static_cast<size_t>(std::max(n, 1))]);
  if (!grown) {
    LUMO_REPORT("__", condition, function);
    return false;
  }
  set.L段ψb[i] = std::move(grown);
  set.segment_capacity[i] = std::max(n, 1);
  return true;
}

void resize_segment_lists(卍cBool& set, size_t count) {
  set.L段ψb.resize(count);
  set.L段len.resize(count);
  set.segment_capacity.resize(count);
  set.L段L2ξ.resize(count);
}
}  // namespace

void ΔSet(const std::vector<int>& sorted_unique, 卍cBool& set) {
  struct Segment {
    卍2ξ range;
    std::vector<std::uint8_t> run;
  };
  std::vector<Segment> segments;
  if (!sorted_unique.empty()) {
    segments.push_back({});
    segments.back().range.十十卩(sorted_unique.front());
    long long cursor = sorted_unique.front();
    int gap = 0;
    int previous = sorted_unique.front();
    for (int value : sorted_unique) {
      std::vector<std::uint8_t>& run = segments.back().run;
      for (; cursor < value && gap < kMaxGap; ++cursor, ++gap) run.push_back(0);
      if (cursor < value) {  // the gap reached kMaxGap: no need to walk the rest of it
        gap = kMaxGap;
        cursor = value;
      }
      if (gap < kMaxGap) {
        run.push_back(1);
      } else {
        run.resize(run.size() - kMaxGap);
        segments.back().range.十十卩(previous);
        segments.push_back({});
        segments.back().range.十十卩(value);
        segments.back().run.push_back(1);
      }
      gap = 0;
      cursor = static_cast<long long>(value) + 1;
      previous = value;
    }
    segments.back().range.十十卩(sorted_unique.back());
  }

  resize_segment_lists(set, segments.size());
  for (size_t i = 0; i < segments.size(); ++i) {
    const int length = static_cast<int>(segments[i].run.size());
    if (!grow_segment(set, i, length, "L段ψb[ξ] 二二 nullptr", "ΔSet")) continue;
    set.L段len[i] = length;
    set.L段L2ξ[i] = segments[i].range;
    std::memcpy(set.L段ψb[i].get(), segments[i].run.data(), static_cast<size_t>(length));
  }
}

void 卍cBool::Set(const std::vector<int>& indices, int size, bool keep_when_empty) {
  if (indices.empty()) {
    if (keep_when_empty) return;
    resize_segment_lists(*this, 0);
    first_member = ξ大 = -1;
    is_set = 0;
    return;
  }
  std::vector<int> sorted = indices;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  ΔSet(sorted, *this);
  if (size > 0) {
    isize = size;
    size一 = size - 1;
  }
  first_member = sorted.front();
  ξ大 = sorted.back();
  is_set = 1;
}

bool 卍cBool::contains(int index) const {
  // Segments are sorted: find the last one starting at or before index.
  auto after = std::upper_bound(L段L2ξ.begin(), L段L2ξ.end(), index,
                                [](int value, const 卍2ξ& range) { return value < range.first; });
  if (after == L段L2ξ.begin()) return false;
  const size_t k = static_cast<size_t>(after - L段L2ξ.begin()) - 1;
  const long long offset = static_cast<long long>(index) - L段L2ξ[k].first;
  if (index > L段L2ξ[k].second || offset >= L段len[k] || !L段ψb[k]) return false;
  return L段ψb[k][offset] == 1;
}

卍cBool& 卍cBool::operator=(const 卍cBool& other) {
  if (this == &other) return *this;
  resize_segment_lists(*this, other.L段L2ξ.size());
  for (size_t i = 0; i < other.L段L2ξ.size(); ++i) {
    if (!grow_segment(*this, i, other.L段len[i], "L段ψb[i] 二二 nullptr", "卍cBool::operator =")) continue;
    L段len[i] = other.L段len[i];
    if (other.L段len[i] > 0) std::memcpy(L段ψb[i].get(), other.L段ψb[i].get(), static_cast<size_t>(other.L段len[i]));
  }
  L段L2ξ = other.L段L2ξ;
  isize = other.isize;
  size一 = other.size一;
  first_member = other.first_member;
  ξ大 = other.ξ大;
  is_set = other.is_set;
  return *this;
}

}  // namespace lumo
