#include "base/report.h"

#include <string>

#include "base/text_convert.h"
#include "base/text_util.h"
#include "platform/message_box.h"

namespace lumo {
namespace {
// What a printf-style "%s" shows for an absent text.
const char* shown(const char* text) { return text ? text : "(null)"; }
}  // namespace

int report_assertion(const char* msg, const char* name, const char* condition, int line,
                     const char* function, const char* file, const float* value) {
  if (!msg) return platform::message_box("", "Δassert(msg ==NULL", platform::kBoxOk);

  // The caller's msg may itself live in the conversion scratch buffer (object
  // names for messages do), so the function name gets a buffer of its own.
  char function_buffer[kTextBufferUnits];
  std::string text = format_text("★!!!出错:%s\n  名 : %s · 条件 : %s \n  在第: %d  行  \n  函数 : %s \n 文件 : %s", msg,
                                 shown(name), shown(condition), line, shown(s巜sU(function, function_buffer)),
                                 shown(file));
  if (value) {
    text += format_text(",ψ数:%f \n", static_cast<double>(*value));
  }
  return platform::message_box(text.c_str(), "assertion failure", platform::kBoxOk);
}

}  // namespace lumo
