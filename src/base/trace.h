// Labelled value traces:
//   <label> 〔 <expr> =<value>〕 〔 <expr> =<value>〕 ----------------行:<line>,文件:<file>
// The line part appears when line > 0, the file part when a file is given
// (cut after its last backslash).
#pragma once

#include <cstdint>

namespace lumo {

void trace_values(const char* label, const char* expr, int value, int line, const char* file);
void trace_values(const char* label, const char* expr, const char* value, int line, const char* file);
void trace_values(const char* label, const char* expr, std::uint8_t value, int line, const char* file);
void trace_values(const char* label, const char* expr1, const char* name, const char* expr2, const char* function,
                  const char* expr3, int value_line, const char* expr4, const char* value_file, int line,
                  const char* file);
void trace_values(const char* label, const char* expr1, const wchar_t* name, const char* expr2, const char* function,
                  const char* expr3, int value_line, const char* expr4, const char* value_file, int line,
                  const char* file);

}  // namespace lumo

#define LUMO_TRACE(label, expr, value) ::lumo::trace_values((label), (expr), (value), __LINE__, __FILE__)
