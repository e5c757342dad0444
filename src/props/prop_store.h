// The property store: finding, reading and writing the host's custom
// properties by name.
//
// A holder is the address of whatever holds a custom-property group: a pose
// channel's `prop`, a data block's `id.properties`, or a variable holding a
// group found earlier (see current_groups).  Every lookup takes a holder, so a
// holder whose group does not exist (null) is handled like any other miss.  The
// store never creates, renames or deletes a property; accessors return
// addresses of the host's value slots so that records can keep them live.
//
// Lookup: the first child of the held group whose name equals the UTF-8 name
// byte for byte (case matters).  No kind check is made on scalars: the child is
// read as the kind the accessor expects (its value slot is 8 bytes, so no
// scalar read leaves it).  Texts and arrays must be of their kind, since a
// wrong kind would hand out a buffer of another length.
//
// Every accessor takes the name as UTF-8 or as wide text (converted through a
// process-wide 128-byte buffer, so names are at most 127 UTF-8 bytes), and
// optionally the caller's line, function and file, used only for traces.
// A null name is never found.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host_types.h"

namespace lumo {

using PropHolder = IDProperty* const*;

// Where a lookup was made from, for the missing-value traces.  A line below 0
// or an absent file means "no trace".
struct PropSite {
  int line = -1;
  const char* function = nullptr;
  const char* file = nullptr;
};
#define LUMO_PROP_SITE(function) (::lumo::PropSite{__LINE__, (function), __FILE__})

// Values of the shared fallback cells after a failed lookup.
inline constexpr std::int32_t kMissingInt = -999;
inline constexpr float kMissingFloat = -999.0f;
inline constexpr double kMissingDouble = -999.0;

// Child lookup: the child of that name of the group held by holder (any kind),
// or nullptr.  Silent.
IDProperty* prop_group(const char* name, PropHolder holder);
IDProperty* prop_group(const wchar_t* name, PropHolder holder);
// The same in a data block's custom-property root (null block: nullptr).
IDProperty* prop_group_of_block(const char* name, ID* block);
IDProperty* prop_group_of_block(const wchar_t* name, ID* block);

// Typed scalar accessors: the address of the value slot, or the address of the
// shared fallback cell of that type, set to -999 (-999.0) on a miss.  Every
// failed lookup of one type returns the same cell; writes through it never
// reach the host.  prop_int prints one trace line for a miss when the site has
// a line of 0 or more and a file; prop_float and prop_double are silent.
std::int32_t* prop_int(const char* name, PropHolder holder, PropSite site = {});
std::int32_t* prop_int(const wchar_t* name, PropHolder holder, PropSite site = {});
float* prop_float(const char* name, PropHolder holder, PropSite site = {});
float* prop_float(const wchar_t* name, PropHolder holder, PropSite site = {});
double* prop_double(const char* name, PropHolder holder, PropSite site = {});
double* prop_double(const wchar_t* name, PropHolder holder, PropSite site = {});

// True when address is one of the three fallback cells.
bool is_fallback_cell(const void* address);

// The element buffer of an array property (read as floats), or nullptr when
// missing or not an array.
float* prop_array(const char* name, PropHolder holder);
float* prop_array(const wchar_t* name, PropHolder holder);

// The UTF-8 text of a string property when it is not empty, else nullptr.  An
// existing but empty text prints "------------函数:%s ----行:%d----文件:%s" (when
// the site has a line of 0 or more and a file) and a newline.
const char* prop_text(const char* name, PropHolder holder, PropSite site = {});
const char* prop_text(const wchar_t* name, PropHolder holder, PropSite site = {});

// The group named group_name in the holder first, then the typed value in
// that group; misses as the typed accessor.
std::int32_t* prop_int_in(const char* name, const char* group_name, PropHolder holder, PropSite site = {});
std::int32_t* prop_int_in(const wchar_t* name, const wchar_t* group_name, PropHolder holder, PropSite site = {});
double* prop_double_in(const char* name, const char* group_name, PropHolder holder, PropSite site = {});
double* prop_double_in(const wchar_t* name, const wchar_t* group_name, PropHolder holder, PropSite site = {});
float* prop_array_in(const char* name, const char* group_name, PropHolder holder);
float* prop_array_in(const wchar_t* name, const wchar_t* group_name, PropHolder holder);

// 1 when the group held by holder has a child of that name, else 0.  A null
// holder address prints "★★★ 卩属性  idp 二二 ψ0 %d  要找的字= %s\n" (the wide
// form "★★★ wc 卩属性 ..."); a holder holding no group is a silent 0.
int 卩属性(const char* name, PropHolder holder);
int prop_exists(const wchar_t* name, PropHolder holder);

// A wide property name in UTF-8, in the process-wide 128-byte name buffer
// (valid until the next conversion); nullptr when it needs more than 127 bytes
// or is empty.
const char* prop_name_utf8(const wchar_t* name);

// The group a caller found last, kept to be passed on as a holder
// (&current_groups.lumo_ik).  Overwritten by each caller; no meaning between
// exported calls.
struct CurrentGroups {
  IDProperty* lumo_ik = nullptr;    // a pose bone's "lumo_IK" group
  IDProperty* pose_bone = nullptr;  // a pose bone's "PoseBone" group
  IDProperty* block = nullptr;      // a data block's group
};
extern CurrentGroups current_groups;

// Clears the current-group variables (a new file or scene makes them stale).
void clear_current_groups();

}  // namespace lumo
