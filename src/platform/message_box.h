// Modal message box stand-in.
//
// There is no windowing system here: a box is written to standard error as
// "[title] text" and handed to an installable sink, and is always answered OK.
#pragma once

#include "platform/platform_api.h"

namespace lumo::platform {

constexpr unsigned kBoxOk = 0x00;
constexpr unsigned kBoxIconError = 0x10;
constexpr int kBoxAnswerOk = 1;

using MessageBoxSink = void (*)(const char* title, const char* text, unsigned flags, void* user);
LUMO_PLATFORM_API void set_message_box_sink(MessageBoxSink sink, void* user);

// Shows the box; returns the button pressed (always kBoxAnswerOk).
LUMO_PLATFORM_API int message_box(const char* text, const char* title, unsigned flags);

}  // namespace lumo::platform
