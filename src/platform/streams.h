// Standard output and standard error as the library sees them.
//
// Every byte the library prints passes through here, so tests can install a
// sink and read exactly what a caller would have seen on the console.
#pragma once

#include "platform/platform_api.h"

#include <string_view>

namespace lumo::platform {

enum class Stream { output, error };

// A sink receives every write; while one is installed nothing reaches the
// process streams.  Pass nullptr to restore the process streams.
using StreamSink = void (*)(Stream stream, std::string_view bytes, void* user);
LUMO_PLATFORM_API void set_stream_sink(StreamSink sink, void* user);

LUMO_PLATFORM_API void write_output(std::string_view bytes);
LUMO_PLATFORM_API void write_error(std::string_view bytes);

}  // namespace lumo::platform
