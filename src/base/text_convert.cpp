#include "base/text_convert.h"

#include <cstring>
#include <string>

#include "base/console.h"
#include "platform/code_pages.h"
#include "platform/message_box.h"

namespace lumo {
namespace {
using platform::CodePage;

char g_ansi_scratch[kTextBufferUnits];
char g_ansi_from_utf8_scratch[kTextBufferUnits];
char g_utf8_scratch[kTextBufferUnits];
wchar_t g_wide_scratch[kTextBufferUnits];
wchar_t g_wide_from_ansi_scratch[kTextBufferUnits];

// UTF-8 copy of a wide text for a message line, whatever its length.
std::string printable(const wchar_t* wide) {
  const int bytes = platform::narrow_from_wide(CodePage::utf8, wide, nullptr, 0);
  if (bytes <= 0) return {};
  std::string text(static_cast<size_t>(bytes), '\0');
  platform::narrow_from_wide(CodePage::utf8, wide, text.data(), bytes);
  text.resize(static_cast<size_t>(bytes) - 1);
  return text;
}

// Wide to narrow into buffer; nullptr when the result needs 512 bytes or more.
const char* narrow_within_limit(CodePage page, const wchar_t* wide, char* buffer) {
  const int needed = platform::narrow_from_wide(page, wide, nullptr, 0);
  if (needed <= 1 || needed > kTextBufferUnits) return nullptr;
  platform::narrow_from_wide(page, wide, buffer, kTextBufferUnits);
  return buffer;
}
}  // namespace

const char* s巜wcU(const wchar_t* wide, char* out) {
  if (!wide) return nullptr;
  // The length is measured before anything is written.
  const int needed = platform::narrow_from_wide(CodePage::ansi, wide, nullptr, 0);
  if (needed > kTextBufferUnits) {
    const std::string shown = printable(wide);
    if (out) {
      con_printf("★★ 511 ＜ len wc= %s\n", shown.c_str());
      platform::message_box(nullptr, "!!!★ s巜wcU 511 ＜ len", platform::kBoxOk);
    } else {
      con_printf("★511 ＜ len wc= %s\n", shown.c_str());
      platform::message_box(nullptr, "★★ s巜wcU 511 ＜ len", platform::kBoxOk);
    }
    return nullptr;
  }
  return narrow_within_limit(CodePage::ansi, wide, out ? out : g_ansi_scratch);
}

const char* s巜sU(const char* utf8, char* out) {
  if (!utf8) return nullptr;
  const int units = platform::wide_from_narrow(CodePage::utf8, utf8, nullptr, 0);
  if (units > kTextBufferUnits) {
    con_printf("★★ 511 ＜ unicodeLen s= %s\n", utf8);
    platform::message_box(nullptr, "★★ 511< unicodeLen", platform::kBoxOk);
    return nullptr;
  }
  if (units <= 1) return nullptr;  // an empty conversion yields no result
  platform::wide_from_narrow(CodePage::utf8, utf8, g_wide_scratch, kTextBufferUnits);
  return s巜wcU(g_wide_scratch, out ? out : g_ansi_from_utf8_scratch);
}

const char* utf8_from_wide(const wchar_t* wide, char* out) {
  if (!wide) return nullptr;
  return narrow_within_limit(CodePage::utf8, wide, out ? out : g_utf8_scratch);
}

const wchar_t* wide_from_ansi(const char* ansi, wchar_t* out) {
  if (!ansi) return nullptr;
  const int units = platform::wide_from_narrow(CodePage::ansi, ansi, nullptr, 0);
  if (units <= 1 || units > kTextBufferUnits) return nullptr;
  wchar_t* buffer = out ? out : g_wide_from_ansi_scratch;
  platform::wide_from_narrow(CodePage::ansi, ansi, buffer, kTextBufferUnits);
  return buffer;
}

std::optional<std::string> ansi_from_wide_string(const std::wstring& wide) {
  char buffer[kTextBufferUnits];
  if (const char* text = narrow_within_limit(CodePage::ansi, wide.c_str(), buffer)) return std::string(text);
  return std::nullopt;
}

std::string oem_string_from_utf8(const char* utf8) {
  if (!utf8) return "NULAstr";
  const int units = platform::wide_from_narrow(CodePage::utf8, utf8, nullptr, 0);
  std::wstring wide(static_cast<size_t>(units), L'\0');
  platform::wide_from_narrow(CodePage::utf8, utf8, wide.data(), units);
  const int bytes = platform::narrow_from_wide(CodePage::oem, wide.c_str(), nullptr, 0);
  std::string text(static_cast<size_t>(bytes), '\0');
  platform::narrow_from_wide(CodePage::oem, wide.c_str(), text.data(), bytes);
  text.resize(static_cast<size_t>(bytes) - 1);
  return text;
}

}  // namespace lumo
