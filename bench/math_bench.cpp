// The cosine lookup (bucket chosen by arithmetic on x) against the same
// lookup choosing its bucket by formatting x with six decimals, and against
// the standard cosine; and the axis–angle rotation that uses the lookup.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "math/rotation.h"
#include "math/trig_tables.h"
#include "math/vector.h"
#include "platform/streams.h"

namespace {

// Angles spread over (0, 4), as the solvers' turn angles are.
const std::vector<float>& angles() {
  static const std::vector<float> values = [] {
    std::vector<float> v;
    for (int i = 1; i <= 4096; ++i) v.push_back(std::fmod(i * 0.7548777f, 3.999f) + 0.0004f);
    return v;
  }();
  return values;
}

// The lookup choosing its bucket from the "%f" text of x.
float cos_by_text(float x) {
  if (x == 0) return 1;
  if (x > 4) return std::cos(x);
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(x));
  if (text[0] < '0' || text[0] > '3') return std::cos(x);
  const auto& bucket = lumo::kCosineTable[text[0] - '0'][text[2] - '0'];
  int c = 10 * (text[3] - '0') - 1;
  if (c < 0) c = 0;
  for (; c < 100; ++c) {
    if (bucket[c][0] >= x) {
      if (c > 0 && !(bucket[c][0] - x < x - bucket[c - 1][0])) --c;
      return bucket[c][1];
    }
  }
  return std::cos(x);
}

// Bucket-end misses print a line; keep the console out of the timings.
struct Quiet {
  Quiet() { lumo::platform::set_stream_sink([](lumo::platform::Stream, std::string_view, void*) {}, nullptr); }
  ~Quiet() { lumo::platform::set_stream_sink(nullptr, nullptr); }
};

void BM_CosLookup(benchmark::State& state) {
  Quiet quiet;
  const auto& xs = angles();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumo::cos查(xs[i++ & 4095]));
  }
}
BENCHMARK(BM_CosLookup);

void BM_CosLookupByText(benchmark::State& state) {
  const auto& xs = angles();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(cos_by_text(xs[i++ & 4095]));
  }
}
BENCHMARK(BM_CosLookupByText);

void BM_StandardCos(benchmark::State& state) {
  const auto& xs = angles();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::cos(xs[i++ & 4095]));
  }
}
BENCHMARK(BM_StandardCos);

void BM_Rotate(benchmark::State& state) {
  Quiet quiet;
  const auto& xs = angles();
  size_t i = 0;
  lumo::卍Vector axis(0.3f, -0.4f, 0.866f);
  lumo::f3_normalize(axis);
  lumo::卍Vector v(1, 2, 3);
  for (auto _ : state) {
    lumo::f3_rotate(xs[i++ & 4095], axis, v, false);
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_Rotate);

}  // namespace
