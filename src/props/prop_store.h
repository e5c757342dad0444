// The property store: finding, reading and writing the host's custom
// properties by name.
//
// A holder is the address of whatever holds a custom-property group: a pose
// channel's `prop`, a data block's `id.properties`, or a variable holding a
// group found earlier.  Every lookup takes a holder, so a holder whose group
// does not exist (null) is handled like any other miss.  The store never
// creates, renames or deletes a property; accessors return addresses of the
// host's value slots so that records can keep them live.
//
// Every accessor takes the name as UTF-8 or as wide text (converted through a
// 128-byte buffer, so names are at most 127 UTF-8 bytes), and optionally the
// caller's line, function and file, used only for traces.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host_types.h"

namespace lumo {

using PropHolder = IDProperty* const*;

// Where a lookup was made from, for the missing-int trace.  A line below 0 or
// an absent file means "no trace".
struct PropSite {
  int line = -1;
  const char* function = nullptr;
  const char* file = nullptr;
};
#define LUMO_PROP_SITE(function) (::lumo::PropSite{__LINE__, (function), __FILE__})

// Child lookup: the child of that name of the group held by holder (any kind),
// or nullptr.
IDProperty* prop_group(const char* name, PropHolder holder);
IDProperty* prop_group(const wchar_t* name, PropHolder holder);
IDProperty* prop_group_of_block(const char* name, ID* block);
IDProperty* prop_group_of_block(const wchar_t* name, ID* block);

// Typed scalar accessors: the address of the value slot, or the address of the
// shared fallback cell of that type, set to -999 (-999.0) on a miss.
std::int32_t* prop_int(const char* name, PropHolder holder, PropSite site = {});
std::int32_t* prop_int(const wchar_t* name, PropHolder holder, PropSite site = {});
float* prop_float(const char* name, PropHolder holder, PropSite site = {});
float* prop_float(const wchar_t* name, PropHolder holder, PropSite site = {});
double* prop_double(const char* name, PropHolder holder, PropSite site = {});
double* prop_double(const wchar_t* name, PropHolder holder, PropSite site = {});

// 1 when the group held by holder has a child of that name, else 0.  A null
// holder prints its message.
int 卩属性(const char* name, PropHolder holder);
int prop_exists(const wchar_t* name, PropHolder holder);

// Clears the current-group variables (a new file or scene makes them stale).
void clear_current_groups();

}  // namespace lumo
