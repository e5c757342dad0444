#include "platform/message_box.h"

#include <string>

#include "platform/streams.h"

namespace lumo::platform {
namespace {
MessageBoxSink g_sink = nullptr;
void* g_sink_user = nullptr;
}  // namespace

void set_message_box_sink(MessageBoxSink sink, void* user) {
  g_sink = sink;
  g_sink_user = user;
}

int message_box(const char* text, const char* title, unsigned flags) {
  const char* shown_title = title ? title : "";
  const char* shown_text = text ? text : "";
  std::string line = "[";
  line += shown_title;
  line += "] ";
  line += shown_text;
  line += '\n';
  write_error(line);
  if (g_sink) g_sink(shown_title, shown_text, flags, g_sink_user);
  return kBoxAnswerOk;
}

}  // namespace lumo::platform
