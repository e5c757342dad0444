#include "base/text_util.h"

#include <cstdio>
#include <cstring>

#include "base/console.h"
#include "base/report.h"
#include "base/text_convert.h"

namespace lumo {
namespace {
char g_split_scratch[kTextBufferUnits];
char g_int_text[16];
}  // namespace

std::string vformat_text(const char* format, std::va_list args) {
  if (!format) return {};
  std::va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.resize(static_cast<size_t>(length));
  return text;
}

std::string format_text(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string text = vformat_text(format, args);
  va_end(args);
  return text;
}

size_t text_copy(const char* src, char* dst) {
  const size_t length = text_len(src);
  std::memcpy(dst, src ? src : "", length + 1);
  return length;
}

size_t text_append(const char* src, char* dst) {
  const size_t start = std::strlen(dst);
  return start + text_copy(src, dst + start);
}

size_t text_join(const char* a, const char* b, char* dst) {
  text_copy(a, dst);
  return text_append(b, dst);
}

size_t text_len(const char* text) { return text ? std::strlen(text) : 0; }

std::unique_ptr<char[]> text_zeros(int n) {
  if (n < 1) return nullptr;
  auto text = std::make_unique<char[]>(static_cast<size_t>(n) + 1);
  std::memset(text.get(), '0', static_cast<size_t>(n));
  text[static_cast<size_t>(n)] = '\0';
  return text;
}

bool text_has_prefix(const char* prefix, const char* text) {
  if (!prefix || !text) return false;
  return std::strncmp(prefix, text, std::strlen(prefix)) == 0;
}

const char* int_text(int value) {
  std::snprintf(g_int_text, sizeof g_int_text, "%d", value);
  return g_int_text;
}

bool b卝(int split, const char* src, char* dst, bool tail) {
  if (!src) {
    LUMO_REPORT("__", "s源 二二 ψ0", "b卝");
    return false;
  }
  if (!dst) {
    LUMO_REPORT("__", "s__ 二二 ψ0", "b卝");
    return false;
  }
  const size_t length = std::strlen(src);
  if (split < 0 || static_cast<size_t>(split) >= length) {
    con_printf("!!!i剩 ＜二 0 ,  s__=%s · strlen(s__)= %zd·i分隔= %d", src, length, split);
    return false;
  }
  const size_t at = static_cast<size_t>(split);
  if (tail) {
    std::memcpy(dst, src + at, length - at + 1);
  } else {
    std::memcpy(dst, src, at);
    dst[at] = '\0';
  }
  return true;
}

const char* s卝(int split, const char* src, bool tail, char* dst) {
  if (!src) return nullptr;
  const int length = static_cast<int>(std::strlen(src));
  if (split > length - 1) {
    LUMO_REPORT("__", "冖源-1 ＜ ξ分隔", "s卝");
    con_printf("冖源-1= %d,ξ分隔= %d,s源=%s\n", length - 1, split, src);
    return nullptr;
  }
  int from = 0;
  int count = length;
  if (split >= 0) {
    from = tail ? split : 0;
    count = tail ? length - split : split;
  }
  if (!dst) {
    // The scratch buffer holds 511 bytes; a longer piece is refused, not cut.
    if (count >= kTextBufferUnits) {
      con_printf("★★ s卝 511 ＜ len= %d\n", count);
      return nullptr;
    }
    dst = g_split_scratch;
  }
  std::memmove(dst, src + from, static_cast<size_t>(count));
  dst[count] = '\0';
  return dst;
}

const char* s卝(char separator, const char* src, bool tail, bool keep_separator, bool from_right, int start,
               char* dst) {
  if (!src) return nullptr;
  const int length = static_cast<int>(std::strlen(src));
  int found = -1;
  if (from_right) {
    for (int i = (start == -1 ? length - 1 : start); i >= 0 && i < length; --i)
      if (src[i] == separator) {
        found = i;
        break;
      }
  } else {
    for (int i = (start == -1 ? 0 : start); i >= 0 && i < length; ++i)
      if (src[i] == separator) {
        found = i;
        break;
      }
  }
  int split = -1;
  if (found >= 0) split = (tail != keep_separator) ? found + 1 : found;
  return s卝(split, src, tail, dst);
}

const char* file_name_of(const char* path) {
  return s卝('\\', path, true, false, true, -1);
}

}  // namespace lumo
