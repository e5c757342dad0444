#ifndef LUMO_IK64_PROPERTIES_H
#define LUMO_IK64_PROPERTIES_H

#include "lumo_ik64/export.h"

#endif
