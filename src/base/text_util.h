// Small text helpers shared by the whole library: copies, joins, and the
// split helpers b卝 / s卝 (split a text at a position or at a separator).
#pragma once

#include <cstdarg>
#include <cstddef>
#include <memory>
#include <string>

namespace lumo {

// printf-style formatting into a string of any length.
std::string format_text(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string vformat_text(const char* format, std::va_list args);

size_t text_copy(const char* src, char* dst);             // with terminator; returns the length
size_t text_append(const char* src, char* dst);           // returns the new length
size_t text_join(const char* a, const char* b, char* dst);  // absent texts count as empty
size_t text_len(const char* text);                        // 0 for an absent text
std::unique_ptr<char[]> text_zeros(int n);                // n × '0'; nullptr for n < 1
bool text_has_prefix(const char* prefix, const char* text);
const char* int_text(int value);                          // process-wide buffer

// b卝: copies into dst the first `split` bytes of src (tail false) or the bytes
// from position `split` to the end (tail true).  False, with a report, for an
// absent src or dst, or when split >= strlen(src).
bool b卝(int split, const char* src, char* dst, bool tail);

// s卝 by position: as b卝 but returns the text; split -1 copies all of src.  A
// split beyond the last character is reported and yields nullptr.  Without
// dst the result goes to a process-wide 512-byte buffer.
const char* s卝(int split, const char* src, bool tail, char* dst = nullptr);

// s卝 by separator: finds `separator` scanning from the right or the left
// (from `start`, or from the end/beginning when start is -1) and splits there.
// tail: the part after the separator (separator kept only with keep_separator);
// head: the part before it (separator kept only with keep_separator).  A
// separator that is not found splits at -1: the whole text.
const char* s卝(char separator, const char* src, bool tail, bool keep_separator, bool from_right, int start,
               char* dst = nullptr);

// The file-name part of a source path, as the traces show it.
const char* file_name_of(const char* path);

}  // namespace lumo
