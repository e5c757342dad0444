// Typed reads of custom properties: scalar value slots with their shared
// fallback cells, array buffers and texts.
#include "base/console.h"
#include "base/text_convert.h"
#include "base/text_util.h"
#include "base/trace.h"
#include "props/prop_store.h"

namespace lumo {
namespace {
std::int32_t g_missing_int = kMissingInt;
float g_missing_float = kMissingFloat;
double g_missing_double = kMissingDouble;

bool traced(const PropSite& site) { return site.line >= 0 && site.file; }

template <class Name>
void trace_missing_int(const Name* name, const PropSite& site) {
  if (!traced(site)) return;
  trace_values("\"!!!idpTmp 二二 ψ0\"◆", "s", name, "s巜sU(func)", s巜sU(site.function), "i行", site.line,
               "s卝('\\\\',file,true,false,sPRINT)", file_name_of(site.file), __LINE__, __FILE__);
}

template <class Name>
std::int32_t* int_slot(const Name* name, PropHolder holder, const PropSite& site) {
  if (IDProperty* property = prop_group(name, holder)) return &property->data.val.i;
  g_missing_int = kMissingInt;
  trace_missing_int(name, site);
  return &g_missing_int;
}

float* float_slot(IDProperty* property) {
  if (property) return &property->data.val.f;
  g_missing_float = kMissingFloat;
  return &g_missing_float;
}

double* double_slot(IDProperty* property) {
  if (property) return &property->data.val.d;
  g_missing_double = kMissingDouble;
  return &g_missing_double;
}

float* array_buffer(IDProperty* property) {
  if (!property || property->type != IDP_ARRAY) return nullptr;
  return static_cast<float*>(property->data.pointer);
}

const char* text_of(IDProperty* property, const PropSite& site) {
  if (!property || property->type != IDP_STRING) return nullptr;
  const char* text = static_cast<const char*>(property->data.pointer);
  if (text && property->len > 0 && text[0] != '\0') return text;
  if (traced(site)) {
    const char* function = s巜sU(site.function);
    const char* file = file_name_of(site.file);
    con_printf("------------函数:%s ----行:%d----文件:%s", function ? function : "", site.line, file ? file : "");
  }
  con_printf("\n");
  return nullptr;
}
}  // namespace

bool is_fallback_cell(const void* address) {
  return address && (address == &g_missing_int || address == &g_missing_float || address == &g_missing_double);
}

std::int32_t* prop_int(const char* name, PropHolder holder, PropSite site) { return int_slot(name, holder, site); }
std::int32_t* prop_int(const wchar_t* name, PropHolder holder, PropSite site) {
  return int_slot(name, holder, site);
}

float* prop_float(const char* name, PropHolder holder, PropSite) { return float_slot(prop_group(name, holder)); }
float* prop_float(const wchar_t* name, PropHolder holder, PropSite) { return float_slot(prop_group(name, holder)); }

double* prop_double(const char* name, PropHolder holder, PropSite) { return double_slot(prop_group(name, holder)); }
double* prop_double(const wchar_t* name, PropHolder holder, PropSite) {
  return double_slot(prop_group(name, holder));
}

float* prop_array(const char* name, PropHolder holder) { return array_buffer(prop_group(name, holder)); }
float* prop_array(const wchar_t* name, PropHolder holder) { return array_buffer(prop_group(name, holder)); }

const char* prop_text(const char* name, PropHolder holder, PropSite site) {
  return text_of(prop_group(name, holder), site);
}
const char* prop_text(const wchar_t* name, PropHolder holder, PropSite site) {
  return text_of(prop_group(name, holder), site);
}

std::int32_t* prop_int_in(const char* name, const char* group_name, PropHolder holder, PropSite site) {
  IDProperty* group = prop_group(group_name, holder);
  return prop_int(name, &group, site);
}
std::int32_t* prop_int_in(const wchar_t* name, const wchar_t* group_name, PropHolder holder, PropSite site) {
  IDProperty* group = prop_group(group_name, holder);
  return prop_int(name, &group, site);
}

double* prop_double_in(const char* name, const char* group_name, PropHolder holder, PropSite site) {
  IDProperty* group = prop_group(group_name, holder);
  return prop_double(name, &group, site);
}
double* prop_double_in(const wchar_t* name, const wchar_t* group_name, PropHolder holder, PropSite site) {
  IDProperty* group = prop_group(group_name, holder);
  return prop_double(name, &group, site);
}

float* prop_array_in(const char* name, const char* group_name, PropHolder holder) {
  IDProperty* group = prop_group(group_name, holder);
  return prop_array(name, &group);
}
float* prop_array_in(const wchar_t* name, const wchar_t* group_name, PropHolder holder) {
  IDProperty* group = prop_group(group_name, holder);
  return prop_array(name, &group);
}

}  // namespace lumo
