// Code-page conversions between narrow and wide text.
//
// Shaped like the platform calls they stand in for: the result length counts
// the terminator, a null destination asks for the length only, and 0 means
// failure (null source, or a destination too small).  The ANSI and OEM code
// pages are UTF-8 here, so every page converts the same way; wide text is
// UTF-32 (wchar_t is 32 bits on this platform).
#pragma once

#include "platform/platform_api.h"

#include <cstddef>

namespace lumo::platform {

enum class CodePage { ansi, oem, utf8 };

// Narrow (NUL-terminated) to wide.  Returns wide units written, terminator
// included; with out == nullptr the units needed.  Malformed bytes become U+FFFD.
LUMO_PLATFORM_API int wide_from_narrow(CodePage page, const char* src, wchar_t* out, int out_units);

// Wide (NUL-terminated) to narrow.  Returns bytes written, terminator included;
// with out == nullptr the bytes needed.
LUMO_PLATFORM_API int narrow_from_wide(CodePage page, const wchar_t* src, char* out, int out_bytes);

}  // namespace lumo::platform
