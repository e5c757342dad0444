#ifndef LUMO_IK64_OVERLAY_H
#define LUMO_IK64_OVERLAY_H

#include "lumo_ik64/export.h"

#endif
