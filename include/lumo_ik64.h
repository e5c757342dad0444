/* lumo_ik64 — the native half of an animation add-on.
 *
 * The add-on's scripts load this library and call the exports below by their
 * UTF-8 names, passing raw addresses of the host application's structures.
 * Each subsystem's exports, with their arguments, results, failure values and
 * expected call order, are declared in the headers included here. */
#ifndef LUMO_IK64_H
#define LUMO_IK64_H

#include "lumo_ik64/export.h"
#include "lumo_ik64/boundary.h"
#include "lumo_ik64/math.h"
#include "lumo_ik64/properties.h"
#include "lumo_ik64/scene.h"
#include "lumo_ik64/overlay.h"

#endif
