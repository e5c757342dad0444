#include <cmath>

#include "base/console.h"
#include "math/trig_tables.h"

namespace lumo {
namespace {

// Six-decimal digits of x as "%f" prints them: x·1e6 rounded half to even.
// For a float x below 4, x·1e6 needs at most 24 + 14 significant bits, so the
// product is exact in double and the rounding sees the true value.
long six_decimal_digits(float x) {
  const double scaled = static_cast<double>(x) * 1e6;
  long whole = static_cast<long>(scaled);  // x ≥ 0: truncation is the floor
  const double fraction = scaled - static_cast<double>(whole);
  if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
  return whole;
}

float looked_up(float x, const TrigTable& table, float (*standard)(float), float at_zero) {
  const TrigSlot slot = trig_slot(x, table);
  switch (slot.kind) {
    case TrigSlot::kExactZero:
      return at_zero;
    case TrigSlot::kEntry:
      return table[slot.entry / 1000][slot.entry / 100 % 10][slot.entry % 100][1];
    case TrigSlot::kNotFound:
      con_printf("Δmath查22 找不到= %lf\n", static_cast<double>(x));
      return standard(x);
    case TrigSlot::kStandard:
      break;
  }
  return standard(x);
}

float standard_sin(float x) { return std::sin(x); }
float standard_cos(float x) { return std::cos(x); }

}  // namespace

TrigSlot trig_slot(float x, const TrigTable& table) {
  if (x == 0) return {TrigSlot::kExactZero, -1};
  // Also NaN and negatives, whose six-decimal form starts with 'n' or '-'.
  if (!(x >= 0) || x > 4) return {TrigSlot::kStandard, -1};
  const long digits = six_decimal_digits(x);
  const int d = static_cast<int>(digits / 1000000);
  if (d > 3) return {TrigSlot::kStandard, -1};  // 3.9999995 and above print as 4.000000
  const int e = static_cast<int>(digits / 100000 % 10);
  const int f = static_cast<int>(digits / 10000 % 10);

  const auto& bucket = table[d][e];
  int c = f == 0 ? 0 : 10 * f - 1;
  while (c < 100 && !(bucket[c][0] >= x)) ++c;
  if (c == 100) return {TrigSlot::kNotFound, -1};
  if (c > 0 && !(bucket[c][0] - x < x - bucket[c - 1][0])) --c;
  return {TrigSlot::kEntry, 1000 * d + 100 * e + c};
}

float sin查(float x) { return looked_up(x, kSineTable, standard_sin, 0.0f); }
float cos查(float x) { return looked_up(x, kCosineTable, standard_cos, 1.0f); }

}  // namespace lumo
