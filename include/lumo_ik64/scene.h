#ifndef LUMO_IK64_SCENE_H
#define LUMO_IK64_SCENE_H

#include "lumo_ik64/export.h"

#endif
