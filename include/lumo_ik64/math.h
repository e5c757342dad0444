/* Math exports. */
#ifndef LUMO_IK64_MATH_H
#define LUMO_IK64_MATH_H

#include "lumo_ik64/export.h"

#endif
