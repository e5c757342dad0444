// Reporting a violated precondition.
//
// report_assertion shows the modal "assertion failure" box and returns; it never
// aborts.  The caller then returns its own failure value.  Conditions are written
// in the library's notation: 二二 for equality, ψ0 for a null address, ＜ for
// less-than ("pc 二二 ψ0").
#pragma once

namespace lumo {

// Shows "assertion failure" with msg, name, condition, line, function (UTF-8,
// converted for display) and file; appends ",ψ数:%f \n" when value is given.
// A null msg shows a box titled "Δassert(msg ==NULL" with an empty text.
// Returns the box's answer (1, OK).
int report_assertion(const char* msg, const char* name, const char* condition, int line,
                     const char* function, const char* file, const float* value = nullptr);

}  // namespace lumo

// The call shape used throughout the library: marker "◆", this line and file.
#define LUMO_REPORT(msg, condition, function) \
  ::lumo::report_assertion((msg), "◆", (condition), __LINE__, (function), __FILE__)
#define LUMO_REPORT_VALUE(msg, condition, function, value_address) \
  ::lumo::report_assertion((msg), "◆", (condition), __LINE__, (function), __FILE__, (value_address))
