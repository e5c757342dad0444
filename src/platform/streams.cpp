#include "platform/streams.h"

#include <cstdio>

namespace lumo::platform {
namespace {
StreamSink g_sink = nullptr;
void* g_sink_user = nullptr;

void write(Stream stream, std::string_view bytes) {
  if (g_sink) {
    g_sink(stream, bytes, g_sink_user);
    return;
  }
  FILE* file = stream == Stream::output ? stdout : stderr;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  // The host interleaves its own prints with ours; keep the order visible.
  std::fflush(file);
}
}  // namespace

void set_stream_sink(StreamSink sink, void* user) {
  g_sink = sink;
  g_sink_user = user;
}

void write_output(std::string_view bytes) { write(Stream::output, bytes); }
void write_error(std::string_view bytes) { write(Stream::error, bytes); }

}  // namespace lumo::platform
