#include "support/capture.h"

#include "platform/message_box.h"
#include "platform/streams.h"

namespace lumo::testing {

Capture::Capture() {
  platform::set_stream_sink(
      [](platform::Stream stream, std::string_view bytes, void* user) {
        auto* self = static_cast<Capture*>(user);
        (stream == platform::Stream::output ? self->out_ : self->err_).append(bytes);
      },
      this);
  platform::set_message_box_sink(
      [](const char* title, const char* text, unsigned flags, void* user) {
        static_cast<Capture*>(user)->boxes_.push_back({title, text, flags});
      },
      this);
}

Capture::~Capture() {
  platform::set_stream_sink(nullptr, nullptr);
  platform::set_message_box_sink(nullptr, nullptr);
}

void Capture::clear() {
  out_.clear();
  err_.clear();
  boxes_.clear();
}

}  // namespace lumo::testing
