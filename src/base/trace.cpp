#include "base/trace.h"

#include "base/console.h"
#include "base/text_util.h"

namespace lumo {
namespace {

void open_trace(const char* label, const char* expr) {
  con_printf("%s ", label ? label : "");
  con_printf("〔 ");
  con_printf("%s =", expr ? expr : "");
}

void next_pair(const char* expr) { con_printf("〕 〔 %s =", expr ? expr : ""); }

void close_trace(int line, const char* file) {
  con_printf("〕");
  if (line > 0) con_printf(" ----------------行:%d", line);
  if (file) {
    const char* name = file_name_of(file);
    con_printf(",文件:%s", name ? name : "");
  }
  con_printf("\n");
}

// The four-pair form: a name (printed by print_name), a function, a line and a file.
template <class PrintName>
void trace_four(const char* label, const char* expr1, PrintName&& print_name, const char* expr2, const char* function,
                const char* expr3, int value_line, const char* expr4, const char* value_file, int line,
                const char* file) {
  open_trace(label, expr1);
  print_name();
  next_pair(expr2);
  con_text(function);
  next_pair(expr3);
  con_int(value_line);
  next_pair(expr4);
  con_text(value_file);
  close_trace(line, file);
}

}  // namespace

void trace_values(const char* label, const char* expr, int value, int line, const char* file) {
  open_trace(label, expr);
  con_int(value);
  close_trace(line, file);
}

void trace_values(const char* label, const char* expr, const char* value, int line, const char* file) {
  open_trace(label, expr);
  con_text(value);
  close_trace(line, file);
}

void trace_values(const char* label, const char* expr, std::uint8_t value, int line, const char* file) {
  open_trace(label, expr);
  con_int(value);
  close_trace(line, file);
}

void trace_values(const char* label, const char* expr1, const char* name, const char* expr2, const char* function,
                  const char* expr3, int value_line, const char* expr4, const char* value_file, int line,
                  const char* file) {
  trace_four(label, expr1, [&] { con_text(name); }, expr2, function, expr3, value_line, expr4, value_file, line, file);
}

void trace_values(const char* label, const char* expr1, const wchar_t* name, const char* expr2, const char* function,
                  const char* expr3, int value_line, const char* expr4, const char* value_file, int line,
                  const char* file) {
  trace_four(label, expr1, [&] { con_wide(name); }, expr2, function, expr3, value_line, expr4, value_file, line, file);
}

}  // namespace lumo
