#include "lumo_ik64.h"

namespace {
// Written by 停止仌; no operation of the library reads it.
uint8_t g_stop_flag = 0;
}  // namespace

LUMO_EXPORT void 停止仌(uint8_t flag) { g_stop_flag = flag; }

LUMO_EXPORT void 卩泄漏(void) {}
