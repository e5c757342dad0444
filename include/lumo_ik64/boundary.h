/* Boundary exports that belong to no subsystem. */
#ifndef LUMO_IK64_BOUNDARY_H
#define LUMO_IK64_BOUNDARY_H

#include "lumo_ik64/export.h"

/* 停止仌 — stores `flag` in the process-wide stop byte.  Nothing in the library
 * reads the byte; the scripts use it as a shared switch.  Returns nothing. */
LUMO_EXPORT void 停止仌(uint8_t flag);

/* 卩泄漏 — leak-check hook; does nothing. */
LUMO_EXPORT void 卩泄漏(void);

#endif
