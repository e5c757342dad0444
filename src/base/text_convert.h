// Text conversions between UTF-8, wide text and the ANSI/OEM code pages.
//
// Every helper writes into the caller's buffer when one is given (at least
// kTextBufferUnits units), otherwise into a process-wide scratch buffer of its
// own that stays valid until the next call of the same helper.  Results are
// limited to 511 units plus terminator; a longer or empty conversion yields
// nullptr ("no result"), with the messages each helper documents.
#pragma once

#include <optional>
#include <string>

namespace lumo {

constexpr int kTextBufferUnits = 512;

// UTF-8 to the ANSI code page, through wide text.  More than 511 wide
// characters: prints "★★ 511 ＜ unicodeLen s= %s\n", shows the box
// "★★ 511< unicodeLen" and yields nullptr.
const char* s巜sU(const char* utf8, char* out = nullptr);

// Wide text to the ANSI code page.  A result of 512 bytes or more prints its
// message, shows its box and yields nullptr; nothing is written then.
const char* s巜wcU(const wchar_t* wide, char* out = nullptr);

// Wide text to UTF-8 (property names are stored as UTF-8 by the host).
const char* utf8_from_wide(const wchar_t* wide, char* out = nullptr);

// ANSI text to wide.
const wchar_t* wide_from_ansi(const char* ansi, wchar_t* out = nullptr);

// Wide string object to the ANSI code page; nothing past 511 bytes.
std::optional<std::string> ansi_from_wide_string(const std::wstring& wide);

// UTF-8 text to an OEM-code-page string; an absent input gives "NULAstr".
std::string oem_string_from_utf8(const char* utf8);

}  // namespace lumo
