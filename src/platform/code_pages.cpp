#include "platform/code_pages.h"

#include <cstdint>

namespace lumo::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence starting at *p and advances p past it.
char32_t decode_utf8(const unsigned char*& p) {
  const unsigned char lead = *p++;
  if (lead < 0x80) return lead;
  int extra;
  char32_t code;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
  } else {
    return kReplacement;
  }
  for (int i = 0; i < extra; ++i) {
    if ((*p & 0xC0) != 0x80) return kReplacement;  // truncated: leave *p for the next call
    code = (code << 6) | (*p++ & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kReplacement;
  return code;
}

int utf8_length(char32_t code) {
  if (code < 0x80) return 1;
  if (code < 0x800) return 2;
  if (code < 0x10000) return 3;
  return 4;
}

char* encode_utf8(char32_t code, char* out) {
  switch (utf8_length(code)) {
    case 1:
      *out++ = static_cast<char>(code);
      break;
    case 2:
      *out++ = static_cast<char>(0xC0 | (code >> 6));
      *out++ = static_cast<char>(0x80 | (code & 0x3F));
      break;
    case 3:
      *out++ = static_cast<char>(0xE0 | (code >> 12));
      *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (code & 0x3F));
      break;
    default:
      *out++ = static_cast<char>(0xF0 | (code >> 18));
      *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (code & 0x3F));
      break;
  }
  return out;
}

char32_t valid_code(wchar_t unit) {
  const auto code = static_cast<char32_t>(unit);
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kReplacement;
  return code;
}

}  // namespace

int wide_from_narrow(CodePage, const char* src, wchar_t* out, int out_units) {
  if (!src) return 0;
  int needed = 1;
  for (auto p = reinterpret_cast<const unsigned char*>(src); *p;) {
    decode_utf8(p);
    ++needed;
  }
  if (!out) return needed;
  if (out_units < needed) return 0;
  wchar_t* w = out;
  for (auto p = reinterpret_cast<const unsigned char*>(src); *p;) *w++ = static_cast<wchar_t>(decode_utf8(p));
  *w = L'\0';
  return needed;
}

int narrow_from_wide(CodePage, const wchar_t* src, char* out, int out_bytes) {
  if (!src) return 0;
  int needed = 1;
  for (const wchar_t* w = src; *w; ++w) needed += utf8_length(valid_code(*w));
  if (!out) return needed;
  if (out_bytes < needed) return 0;
  char* p = out;
  for (const wchar_t* w = src; *w; ++w) p = encode_utf8(valid_code(*w), p);
  *p = '\0';
  return needed;
}

}  // namespace lumo::platform
