#include "base/console.h"

#include <algorithm>
#include <cstdio>

#include "base/text_convert.h"
#include "base/text_util.h"
#include "platform/streams.h"

namespace lumo {
namespace {
constexpr long long kPrintLimit = 1000000;

}  // namespace

void con_vprintf(const char* format, std::va_list args) {
  if (!format) return;
  platform::write_output(vformat_text(format, args));
}

void con_printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  con_vprintf(format, args);
  va_end(args);
}

void con_int(long long value) { con_printf("%lld", std::clamp(value, -kPrintLimit, kPrintLimit)); }

void con_float(double value) {
  // NaN passes the clamp unchanged and prints as such.
  const double limit = static_cast<double>(kPrintLimit);
  if (value > limit) value = limit;
  if (value < -limit) value = -limit;
  con_printf("%f", value);
}

void con_text(const char* text) {
  if (!text) {
    con_printf("★★ s二二 NULL\n");
    return;
  }
  con_printf("%s", text);
}

void con_wide(const wchar_t* text) {
  if (!text) {
    con_printf("★★ wc二二 NULL\n");
    return;
  }
  if (const char* narrow = s巜wcU(text)) con_printf("%s", narrow);
}

void host_assert_line(const char* file, int line, const char* condition) {
  platform::write_error(
      format_text("BLI_assert failed: %s:%d, at '%s'\n", file ? file : "", line, condition ? condition : ""));
}

}  // namespace lumo
