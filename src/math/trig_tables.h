// Sine and cosine lookup tables, sin查 and cos查, used by the axis–angle
// rotation instead of the standard sine and cosine.
//
// Each table holds 4 × 10 × 100 entries (angle, value).  Entry [D][E][c], the
// k-th with k = 1000·D + 100·E + c + 1, holds the angle k/1000 as k × 0.00099999
// with six decimals (so slightly below k/1000, by up to 4e-5) and its sine or
// cosine with six decimals; together they cover (0, 4].  The tables are
// constant data built into the library (scripts/generate_trig_tables.py).
//
// Lookup of x ≥ 0: x = 0 gives exactly 1 (cos) or 0 (sin); x > 4, and x whose
// six-decimal form does not begin with 0…3 (3.9999995 and above, negatives,
// NaN), give the standard function.  Otherwise the bucket [D][E] named by the
// units and first decimal digits of x's six-decimal form ("%f") is searched
// from the entry of its two-decimal prefix for the first stored angle ≥ x, and
// the nearer of it and the entry below it within the bucket wins (a tie goes
// to the lower angle).  When no entry of the bucket reaches x, the line
// "Δmath查22 找不到= %lf\n" is printed and the standard function is used.
// The digits come from arithmetic on x, equal to the "%f" digits, not from
// formatting text.
#pragma once

namespace lumo {

using TrigTable = float[4][10][100][2];
extern const TrigTable kSineTable;
extern const TrigTable kCosineTable;

float sin查(float x);
float cos查(float x);

// Where a lookup takes its value from.
struct TrigSlot {
  enum Kind : unsigned char {
    kExactZero,  // x = 0
    kStandard,   // the standard function: out of range, negative or NaN
    kEntry,      // the table entry `entry` (1000·D + 100·E + c)
    kNotFound,   // no entry of the bucket reaches x: line and standard function
  };
  Kind kind;
  int entry;  // -1 unless kind is kEntry
};
TrigSlot trig_slot(float x, const TrigTable& table);

}  // namespace lumo
