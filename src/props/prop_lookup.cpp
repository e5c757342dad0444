// Child lookup by name, existence tests and the current-group variables.
#include <cstring>

#include "base/console.h"
#include "base/text_convert.h"
#include "host/list_iter.h"
#include "props/prop_store.h"

namespace lumo {
namespace {
constexpr std::size_t kNameBufferBytes = 128;
char g_name_buffer[kNameBufferBytes];

// Byte-wise equality with a host name, never reading past the host's field
// (a longer name cannot equal it).
bool same_name(const char* name, const char (&host_name)[kNameBytes]) {
  if (name[0] != host_name[0]) return false;
  for (int i = 0; i < kNameBytes; ++i) {
    if (name[i] != host_name[i]) return false;
    if (name[i] == '\0') return true;
  }
  return false;
}
}  // namespace

CurrentGroups current_groups;

void clear_current_groups() { current_groups = {}; }

const char* prop_name_utf8(const wchar_t* name) {
  const char* utf8 = utf8_from_wide(name);
  if (!utf8) return nullptr;
  const std::size_t length = std::strlen(utf8);
  if (length >= kNameBufferBytes) return nullptr;
  std::memcpy(g_name_buffer, utf8, length + 1);
  return g_name_buffer;
}

IDProperty* prop_group(const char* name, PropHolder holder) {
  if (!name || !holder) return nullptr;
  const IDProperty* group = *holder;
  if (!group || group->type != IDP_GROUP) return nullptr;
  for (IDProperty* child : host::list_items<IDProperty>(group->data.group))
    if (same_name(name, child->name)) return child;
  return nullptr;
}

IDProperty* prop_group(const wchar_t* name, PropHolder holder) { return prop_group(prop_name_utf8(name), holder); }

IDProperty* prop_group_of_block(const char* name, ID* block) {
  return block ? prop_group(name, &block->properties) : nullptr;
}

IDProperty* prop_group_of_block(const wchar_t* name, ID* block) {
  return block ? prop_group(name, &block->properties) : nullptr;
}

int 卩属性(const char* name, PropHolder holder) {
  if (!holder) {
    con_printf("★★★ 卩属性  idp 二二 ψ0 %d  要找的字= %s\n", __LINE__, name ? name : "");
    return 0;
  }
  return prop_group(name, holder) ? 1 : 0;
}

int prop_exists(const wchar_t* name, PropHolder holder) {
  const char* utf8 = prop_name_utf8(name);
  if (!holder) {
    con_printf("★★★ wc 卩属性  idp 二二 ψ0 %d  要找的字= %s\n", __LINE__, utf8 ? utf8 : "");
    return 0;
  }
  return prop_group(utf8, holder) ? 1 : 0;
}

}  // namespace lumo
