// Shared vocabulary of the window and drawing stand-in: opaque handles,
// rectangles, colour values and the last-error code.
//
// Handles are opaque values that name objects kept inside liblumo_platform.so.
// Every operation looks its handles up before use, so a stale, foreign or
// garbage handle makes the operation fail (with an error code) instead of
// touching memory.  Colours are 0x00BBGGRR values (red in the low byte), the
// form brushes, text colours and pixels use throughout.
#pragma once

#include <cstdint>

#include "platform/platform_api.h"

namespace lumo::platform {

using Handle = void*;

struct Rect {
  std::int32_t left, top, right, bottom;
};

constexpr std::uint32_t rgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned red_of(std::uint32_t colour) { return colour & 0xFFu; }
constexpr unsigned green_of(std::uint32_t colour) { return (colour >> 8) & 0xFFu; }
constexpr unsigned blue_of(std::uint32_t colour) { return (colour >> 16) & 0xFFu; }

// Error codes left by failing operations (the values callers of the real
// system know).
enum ErrorCode : std::uint32_t {
  kErrorNone = 0,
  kErrorFileNotFound = 2,
  kErrorInvalidHandle = 6,
  kErrorNotEnoughMemory = 8,
  kErrorInvalidData = 13,
  kErrorInvalidParameter = 87,
  kErrorInvalidWindowHandle = 1400,
  kErrorChildWithoutParent = 1406,
  kErrorClassNotFound = 1407,
  kErrorClassExists = 1410,
};

// The code of the last failure, kept until the next failure or set_last_error.
LUMO_PLATFORM_API std::uint32_t last_error();
LUMO_PLATFORM_API void set_last_error(std::uint32_t code);

}  // namespace lumo::platform
