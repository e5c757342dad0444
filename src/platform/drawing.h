// Drawing through device contexts: block copies, brush fills, gradient fills
// and text output.  Everything is clipped to the target surface; a context
// whose target is gone draws nothing and fails.
//
// Text is not rasterised: each text output is recorded on the target surface
// as a run (position, bytes, colours, background mode) for inspection.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi_common.h"

namespace lumo::platform {

constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr int kBackgroundTransparent = 1;
constexpr int kBackgroundOpaque = 2;
constexpr std::uint32_t kInvalidColour = 0xFFFFFFFF;

// Copies width × height pixels from (src_x, src_y) of src to (x, y) of dst.
// Only kSourceCopy is supported.
LUMO_PLATFORM_API bool bit_blt(Handle dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                               Handle src, std::int32_t src_x, std::int32_t src_y, std::uint32_t operation);

// Fills rect (right and bottom excluded).  Solid brushes paint their colour,
// pattern brushes tile their bitmap from the surface origin, the hollow brush
// paints nothing.
LUMO_PLATFORM_API bool fill_rect(Handle dc, const Rect* rect, Handle brush);

// Return the previous value, or 0 / kInvalidColour on failure.
LUMO_PLATFORM_API int set_background_mode(Handle dc, int mode);
LUMO_PLATFORM_API std::uint32_t set_text_colour(Handle dc, std::uint32_t colour);

// Records length bytes of text at (x, y); false for a bad context, a negative
// length or a null text with a positive length.
LUMO_PLATFORM_API bool text_out(Handle dc, std::int32_t x, std::int32_t y, const char* text, int length);

// A linear gradient over a rectangle (x, y, width, height) from one colour to
// another, top to bottom when vertical, else left to right.  Colours are
// 0xAARRGGBB; translucent colours blend over what the surface holds.
struct LinearGradient {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  std::uint32_t from = 0, to = 0;
  bool vertical = true;
  std::vector<std::uint32_t> preset_colours;  // when set, replace from/to
  std::vector<float> preset_positions;        // 0 … 1, first 0, last 1
};

// Sets preset colours and positions; false (gradient unchanged) unless count
// is at least 2, both arrays are given, the first position is 0 and the last 1.
LUMO_PLATFORM_API bool set_gradient_presets(LinearGradient& gradient, const std::uint32_t* colours,
                                            const float* positions, int count);

// Fills the gradient's rectangle; false for a bad context or an empty
// rectangle.
LUMO_PLATFORM_API bool fill_gradient(Handle dc, const LinearGradient& gradient);

}  // namespace lumo::platform
