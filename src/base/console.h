// Console printing: the one way the library writes to standard output.
#pragma once

#include <cstdarg>

namespace lumo {

// printf-style write to standard output.
void con_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void con_vprintf(const char* format, std::va_list args);

// Typed printers.  Numbers are clamped to [-1000000, 1000000] so a garbage
// value cannot flood the console.
void con_int(long long value);
void con_float(double value);
void con_text(const char* text);     // "★★ s二二 NULL\n" when absent
void con_wide(const wchar_t* text);  // converted to the ANSI code page; "★★ wc二二 NULL\n" when absent

// The host's own assertion line, on standard error:
// "BLI_assert failed: <file>:<line>, at '<condition>'\n".
void host_assert_line(const char* file, int line, const char* condition);

}  // namespace lumo
