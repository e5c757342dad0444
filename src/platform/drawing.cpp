#include "platform/drawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gdi_objects.h"

namespace lumo::platform {
namespace {

using namespace detail;

struct Span {
  std::int32_t x0, y0, x1, y1;  // x1, y1 excluded
  bool empty() const { return x0 >= x1 || y0 >= y1; }
};

Span clip(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, const Surface& surface) {
  auto cut = [](std::int64_t v, std::int32_t limit) { return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, limit)); };
  return {cut(x0, surface.width), cut(y0, surface.height), cut(x1, surface.width), cut(y1, surface.height)};
}

Surface* surface_of(Handle dc_handle, DeviceContext** dc_out = nullptr) {
  DeviceContext* dc = find<DeviceContext>(dc_handle);
  if (dc_out) *dc_out = dc;
  return dc ? target_surface(*dc) : nullptr;
}

unsigned channel(std::uint32_t argb, int shift) { return (argb >> shift) & 0xFFu; }

// Source-over of a 0xAARRGGBB colour onto a 0x00BBGGRR pixel.
std::uint32_t blend(std::uint32_t argb, std::uint32_t under) {
  const unsigned alpha = channel(argb, 24);
  auto mix = [alpha](unsigned top, unsigned bottom) { return (top * alpha + bottom * (255 - alpha) + 127) / 255; };
  return rgb(mix(channel(argb, 16), red_of(under)), mix(channel(argb, 8), green_of(under)),
             mix(channel(argb, 0), blue_of(under)));
}

std::uint32_t lerp_argb(std::uint32_t a, std::uint32_t b, float t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const float value = channel(a, shift) + (static_cast<float>(channel(b, shift)) - channel(a, shift)) * t;
    out |= static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0f, 255.0f))) << shift;
  }
  return out;
}

std::uint32_t gradient_colour(const LinearGradient& gradient, float t) {
  const auto& colours = gradient.preset_colours;
  const auto& positions = gradient.preset_positions;
  if (std::isnan(t)) t = 0.0f;
  if (colours.size() < 2) return lerp_argb(gradient.from, gradient.to, t);
  for (std::size_t i = 0; i + 1 < colours.size(); ++i) {
    if (t > positions[i + 1] && i + 2 < colours.size()) continue;
    const float span = positions[i + 1] - positions[i];
    const float local = span > 0 ? (t - positions[i]) / span : 1.0f;
    return lerp_argb(colours[i], colours[i + 1], std::clamp(local, 0.0f, 1.0f));
  }
  return colours.back();
}

}  // namespace

bool bit_blt(Handle dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Handle src,
             std::int32_t src_x, std::int32_t src_y, std::uint32_t operation) {
  if (operation != kSourceCopy) return fail(kErrorInvalidParameter, false);
  Surface* to = surface_of(dst);
  const Surface* from = surface_of(src);
  if (!to || !from) return fail(kErrorInvalidHandle, false);
  if (width <= 0 || height <= 0) return true;
  // Clip against the destination, then against the source, in destination terms.
  Span span = clip(x, y, std::int64_t{x} + width, std::int64_t{y} + height, *to);
  const std::int64_t dx = std::int64_t{src_x} - x, dy = std::int64_t{src_y} - y;
  const Span source = clip(span.x0 + dx, span.y0 + dy, span.x1 + dx, span.y1 + dy, *from);
  span = {static_cast<std::int32_t>(source.x0 - dx), static_cast<std::int32_t>(source.y0 - dy),
          static_cast<std::int32_t>(source.x1 - dx), static_cast<std::int32_t>(source.y1 - dy)};
  if (span.empty()) return true;
  // Rows are copied through a scratch row: source and target may be one surface.
  std::vector<std::uint32_t> rows(static_cast<std::size_t>(span.x1 - span.x0) * (span.y1 - span.y0));
  auto out = rows.begin();
  for (std::int32_t row = span.y0; row < span.y1; ++row)
    out = std::copy_n(from->pixels.begin() + static_cast<std::ptrdiff_t>((row + dy) * from->width + span.x0 + dx),
                      span.x1 - span.x0, out);
  auto in = rows.cbegin();
  for (std::int32_t row = span.y0; row < span.y1; ++row) {
    std::copy_n(in, span.x1 - span.x0, &to->at(span.x0, row));
    in += span.x1 - span.x0;
  }
  return true;
}

bool fill_rect(Handle dc, const Rect* rect, Handle brush_handle) {
  Surface* surface = surface_of(dc);
  const BrushObject* brush = find<BrushObject>(brush_handle);
  if (!surface || !brush) return fail(kErrorInvalidHandle, false);
  if (!rect) return fail(kErrorInvalidParameter, false);
  const Span span = clip(rect->left, rect->top, rect->right, rect->bottom, *surface);
  if (brush->style == BrushStyle::hollow || span.empty()) return true;
  const Surface& pattern = brush->pattern;
  for (std::int32_t y = span.y0; y < span.y1; ++y)
    for (std::int32_t x = span.x0; x < span.x1; ++x)
      surface->at(x, y) = brush->style == BrushStyle::solid ? brush->colour
                                                              : pattern.at(x % pattern.width, y % pattern.height);
  return true;
}

int set_background_mode(Handle dc_handle, int mode) {
  DeviceContext* dc = find<DeviceContext>(dc_handle);
  if (!dc) return fail(kErrorInvalidHandle, 0);
  if (mode != kBackgroundTransparent && mode != kBackgroundOpaque) return fail(kErrorInvalidParameter, 0);
  const int previous = dc->background_mode;
  dc->background_mode = mode;
  return previous;
}

std::uint32_t set_text_colour(Handle dc_handle, std::uint32_t colour) {
  DeviceContext* dc = find<DeviceContext>(dc_handle);
  if (!dc) return fail(kErrorInvalidHandle, kInvalidColour);
  const std::uint32_t previous = dc->text_colour;
  dc->text_colour = colour & 0xFFFFFFu;
  return previous;
}

bool text_out(Handle dc_handle, std::int32_t x, std::int32_t y, const char* text, int length) {
  DeviceContext* dc = nullptr;
  Surface* surface = surface_of(dc_handle, &dc);
  if (!surface) return fail(kErrorInvalidHandle, false);
  if (length < 0 || (length > 0 && !text)) return fail(kErrorInvalidParameter, false);
  surface->text.push_back({x, y, std::string(text ? text : "", static_cast<std::size_t>(length)), dc->text_colour,
                           dc->background_colour, dc->background_mode});
  return true;
}

bool set_gradient_presets(LinearGradient& gradient, const std::uint32_t* colours, const float* positions, int count) {
  if (count < 2 || !colours || !positions || positions[0] != 0.0f || positions[count - 1] != 1.0f)
    return fail(kErrorInvalidParameter, false);
  if (!std::all_of(positions, positions + count, [](float p) { return std::isfinite(p); }))
    return fail(kErrorInvalidParameter, false);
  gradient.preset_colours.assign(colours, colours + count);
  gradient.preset_positions.assign(positions, positions + count);
  return true;
}

bool fill_gradient(Handle dc, const LinearGradient& gradient) {
  Surface* surface = surface_of(dc);
  if (!surface) return fail(kErrorInvalidHandle, false);
  if (gradient.width <= 0 || gradient.height <= 0) return fail(kErrorInvalidParameter, false);
  const Span span = clip(gradient.x, gradient.y, std::int64_t{gradient.x} + gradient.width,
                         std::int64_t{gradient.y} + gradient.height, *surface);
  const float length = static_cast<float>(gradient.vertical ? gradient.height : gradient.width);
  for (std::int32_t y = span.y0; y < span.y1; ++y)
    for (std::int32_t x = span.x0; x < span.x1; ++x) {
      const float along = gradient.vertical ? static_cast<float>(y - gradient.y) : static_cast<float>(x - gradient.x);
      surface->at(x, y) = blend(gradient_colour(gradient, (along + 0.5f) / length), surface->at(x, y));
    }
  return true;
}

}  // namespace lumo::platform
